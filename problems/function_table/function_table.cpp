#include "problems/function_table/function_table.h"

#include "framework/text.h"

namespace problems {

using namespace function_table_controls;

using framework::shown;
using framework::valOf;
using num::Currency;
using num::Value;

namespace {

// A number as the window shows it, read back with '.' as the decimal point whatever the
// locale: the value the table's x column shows (15 significant digits), never cut to its
// whole part by a decimal comma.
double asShown(double value) { return num::val(num::strDouble(value)); }

QString shownCurrency(Currency value) { return framework::qs(num::displayCurrency(value)); }

}  // namespace

QStringList FunctionTable::columns() const
{
    // One row per point, as on the board: the point X, its f, and the count after it.
    return {QStringLiteral("Intervalo"), QStringLiteral("X"), QStringLiteral("Fx"), QStringLiteral("Cont")};
}

QStringList FunctionTable::values() const
{
    if (!running)
        return {QString(), QString(), QString(), QString()};
    return {shown(Intervalo), shown(Xrow), tabulated ? shownCurrency(Fx) : QString(), shownCurrency(Cont)};
}

void FunctionTable::command(framework::Name, const framework::Inputs& in, framework::Step& s)
{
    // What the step has done so far, and what it is doing when a run-time error stops it.
    QString said, doing;
    try {
        if (Inicio) {
            doing = QStringLiteral("A leitura de a, b e n");
            const bool goesOn = start(in, s, said, doing);
            Inicio = false;
            if (!goesOn)
                return;
        }
        point(s, said, doing);
    } catch (const num::RuntimeError&) {
        // The run cycle adds the error's own text after it.
        s.say(values(), said + doing + QStringLiteral(" interrompe o cálculo"));
        throw;
    }
}

// Reads a, b and n and shows the step; false when n = 0 ends the run there.
bool FunctionTable::start(const framework::Inputs& in, framework::Step& s, QString& said, QString& doing)
{
    a = Value::dbl(valOf(in.text(Box::A)));
    b = Value::dbl(valOf(in.text(Box::B)));
    const QString typedN = in.text(Box::N);
    n = Value::dbl(valOf(typedN));
    if (n == 0.0) {
        // "0,5" is read as 0 too: the Val rule stops at the comma.
        const QString read = typedN.trimmed() == shown(n) ? QStringLiteral("n = \"%1\"").arg(typedN)
                                                          : QStringLiteral("n = \"%1\" é lido como 0").arg(typedN);
        s.message(QStringLiteral("Erro !!! Zero não é aceito"), framework::OkOnly,
                  QStringLiteral("Intervalo Fechado"));
        s.done();
        s.say(values(), read + QStringLiteral(": o intervalo não se divide em zero partes; só o Novo Cálculo segue"));
        return false;
    }
    doing = QStringLiteral("Intervalo = (b - a) / n");
    Intervalo = (b - a) / n;
    s.caption(Val::Intervalo, shown(Intervalo));
    s.caption(Val::X, shown(a));
    s.caption(Val::B, shown(b));
    X = a;
    Cont = Currency{};
    running = true;
    s.started();
    s.stage("running");
    said = QStringLiteral("Intervalo = (b - a) / n = %1, X = a = %2, Cont = 0; ").arg(shown(Intervalo), shown(X));
    return true;
}

// One point of the table, or the end of the loop.
void FunctionTable::point(framework::Step& s, const QString& said, QString& doing)
{
    // The branch lit by the previous point goes back to rest.
    s.rest();
    Xrow = X;
    tabulated = false;
    if (!(X <= b)) {
        s.done();
        const QString points = shownCurrency(Cont);
        s.say(values(), said + QStringLiteral("X = %1 > b = %2: o laço termina, a tabela tem %3 %4")
                                   .arg(shown(X), shown(b), points,
                                        points == QLatin1String("1") ? QStringLiteral("ponto") : QStringLiteral("pontos")));
        return;
    }

    // The branch and f follow the value of x as the table shows it, in every locale.
    const double v = asShown(X.toDouble());
    double f;
    if (v < -3) {
        s.light({Line::IfXBelowMinus3, Line::FxBelow});
        doing = QStringLiteral("X = %1 < -3: Fx = 2 * X - 3").arg(shown(X));
        f = num::checked(2 * v - 3);
    } else if (v > 3) {
        s.light({Line::IfXAbove3, Line::FxAbove});
        doing = QStringLiteral("X = %1 > 3: Fx = 2 * X - 9").arg(shown(X));
        f = num::checked(2 * v - 9);
    } else {
        s.light({Line::Else, Line::FxBetween});
        doing = QStringLiteral("X = %1 está entre -3 e 3: Fx = (- X ^ 2) / 3").arg(shown(X));
        const Value square = (Value::dbl(-1) * X) * X;
        f = asShown(square.toDouble()) / 3;
    }
    Fx = Currency::fromDouble(f);
    tabulated = true;
    const QString branch = doing + QStringLiteral(" = ") + shownCurrency(Fx);

    s.row(List::X, shown(X));
    s.row(List::Fx, shownCurrency(Fx));
    s.row(List::Cont1, shownCurrency(Cont));
    Cont = Cont + Currency::fromWhole(1);
    s.row(List::Cont2, shownCurrency(Cont));
    s.row(List::X1, shown(X));
    // The next point afresh from a, never by adding the step to the last one; a Double, not
    // rounded to four decimals by the Currency count.
    doing = branch + QStringLiteral("; Cont = Cont + 1 = %1, e o próximo ponto, X = a + Cont * Intervalo").arg(shownCurrency(Cont));
    X = Value::dbl(num::checked(a.toDouble() + Cont.toDouble() * Intervalo.toDouble()));
    s.row(List::A, shown(a));
    s.row(List::Cont3, shownCurrency(Cont));
    s.row(List::Intervalo, shown(Intervalo));
    s.say(values(), said + doing + QStringLiteral(" = ") + shown(X));
}

}  // namespace problems
