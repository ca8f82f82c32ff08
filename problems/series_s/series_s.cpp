#include "problems/series_s/series_s.h"

#include "framework/text.h"

namespace problems {

using namespace series_s_controls;

using framework::shown;
using framework::shownDouble;
using framework::shownWhole;
using framework::ss;
using framework::valOf;
using num::Value;

namespace {
const QString kTitle = QStringLiteral("Cálculo de S");
}

QStringList SeriesS::columns() const
{
    return {QStringLiteral("S"), QStringLiteral("XAux"), QStringLiteral("NAux"), QStringLiteral("Fat"),
            QStringLiteral("Num")};
}

QStringList SeriesS::values() const
{
    if (Inicio)
        return {QString(), QString(), QString(), QString(), QString()};
    // Fat and Num exist from the first term on.
    return {shown(S), shownDouble(XAux), shown(NAux), Num.isEmpty() ? QString() : shownWhole(Fat), shown(Num)};
}

void SeriesS::command(framework::Name, const framework::Inputs& in, framework::Step& s)
{
    // Every click starts with the labels of one pass and the result line empty.
    for (framework::Name value :
         {Val::NAux, Val::XAux, Val::NumIsNAux, Val::Fat, Val::Num, Val::SMinusTerm, Val::SPlusTerm, Text::Answer})
        s.caption(value, QString());

    // X is read again at every click (the box stays open); S and XAux start from it as typed.
    const QString typedX = in.text(Box::X);
    QString said;
    if (Inicio) {
        s.caption(Val::S, typedX).caption(Val::XAuxIsX, typedX);
        S = Value::dbl(valOf(typedX));
        if (S == 0.0) {
            s.message(QStringLiteral("Erro !!!, Não aceita Zero"), framework::OkOnly, kTitle).refused();
            s.say(values(), QStringLiteral("X = \"%1\" vale 0: o cálculo não aceita zero e não começa").arg(typedX));
            return;
        }
        // X is real: the power is kept as a Double, never rounded.
        XAux = S.toDouble();
        NAux = Value::integer(1);
        Inicio = false;
        said = QStringLiteral("S = X = %1, XAux = X, NAux = 1; ").arg(shown(S));
    }

    // N is read again at every click.
    const QString typedN = in.text(Box::N);
    if (NAux == valOf(typedN)) {
        s.caption(Text::Answer, QStringLiteral("O Cálculo de S = ") + shown(S));
        s.done();
        s.say(values(), said + QStringLiteral("NAux = %1 = N: o laço termina e S = %2").arg(shown(NAux), shown(S)));
        return;
    }

    QString doing;
    try {
        addTerm(typedX, s, said, doing);
    } catch (const num::RuntimeError&) {
        // The run cycle adds the error's own text after it.
        s.say(values(), (said.isEmpty() ? QString() : said + QStringLiteral("; ")) + doing
                            + QStringLiteral(" interrompe o cálculo"));
        throw;
    }
    s.say(values(), said);
}

void SeriesS::addTerm(const QString& typedX, framework::Step& s, QString& said, QString& doing)
{
    const QString before = shown(NAux);
    doing = QStringLiteral("NAux = NAux + 1");
    NAux = NAux + Value::integer(1);
    s.caption(Val::NAux, shown(NAux));
    said += QStringLiteral("NAux = %1 <> N: NAux = NAux + 1 = %2").arg(before, shown(NAux));

    doing = QStringLiteral("XAux = X ** NAux");
    XAux = num::power(Value::dbl(valOf(typedX)), NAux).toDouble();
    s.caption(Val::XAux, shownDouble(XAux));
    said += QStringLiteral("; XAux = X ** NAux = %1").arg(shownDouble(XAux));

    Num = NAux;
    s.caption(Val::NumIsNAux, shown(Num));
    Fat = 1;
    doing = QStringLiteral("Fat = Fat * Num");
    while (Num != 1.0) {
        Fat = (Value::lng(Fat) * Num).toLong();
        s.caption(Val::Fat, shownWhole(Fat));
        Num = Num - Value::integer(1);
        s.caption(Val::Num, shown(Num));
    }
    said += QStringLiteral("; Fat = Fat * Num para Num de %1 até 2: Fat = %2, Num = 1").arg(shown(NAux), shownWhole(Fat));

    doing = QStringLiteral("XAux / Fat");
    const Value term = Value::dbl(XAux) / Value::lng(Fat);
    // The parity is read back from the exponent as shown.
    if (num::mod(Value::text(ss(shown(NAux))), Value::integer(2)) == 0.0) {
        doing = QStringLiteral("S = S - ( XAux / Fat )");
        S = S - term;
        s.caption(Val::SMinusTerm, shown(S));
        said += QStringLiteral("; NAux Mod 2 = 0: S = S - ( XAux / Fat ) = %1").arg(shown(S));
    } else {
        doing = QStringLiteral("S = S + ( XAux / Fat )");
        S = S + term;
        s.caption(Val::SPlusTerm, shown(S));
        said += QStringLiteral("; NAux Mod 2 = 1: segue pelo Senão, S = S + ( XAux / Fat ) = %1").arg(shown(S));
    }
}

}  // namespace problems
