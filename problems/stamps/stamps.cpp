#include "problems/stamps/stamps.h"

#include "framework/text.h"

namespace problems {

using namespace stamps_controls;

using framework::shown;
using framework::shownWhole;
using num::Value;

namespace {
const QString kTitle = QStringLiteral("Trocar selos");

// A count of stamps in words: "1 selo", "4 selos" (and "0 selos").
QString stamps(const QString& count)
{
    return count + (count == QLatin1String("1") ? QStringLiteral(" selo") : QStringLiteral(" selos"));
}

// The amount as typed, and the number the Val rule made of it where that is not what it
// reads ("0,5" is read as 0: the Val rule stops at the comma).
QString typedAmount(const QString& typed, double read)
{
    const QString number = framework::shownDouble(read);
    if (typed.trimmed() == number)
        return QStringLiteral("X = \"%1\"").arg(typed);
    return QStringLiteral("X = \"%1\", lido como %2,").arg(typed, number);
}
}

bool exactChange(num::Currency amount)
{
    constexpr int64_t TicksPerCent = num::Currency::TicksPerUnit / 100;
    if (amount.ticks % TicksPerCent != 0)
        return false;  // a fraction of a cent
    const int64_t cents = amount.ticks / TicksPerCent;
    return cents != 1 && cents != 2 && cents != 4 && cents != 7;
}

QStringList Stamps::columns() const
{
    return {QStringLiteral("Valor"), QStringLiteral("Cont3"), QStringLiteral("Cont5")};
}

QStringList Stamps::values() const
{
    if (Inicio)
        return {QString(), QString(), QString()};
    return {shown(Valor), shown(Cont3), shownWhole(Cont5)};
}

void Stamps::command(framework::Name, const framework::Inputs& in, framework::Step& s)
{
    QString said;
    if (Inicio) {
        const QString typed = in.text(Box::X);
        const double read = framework::valOf(typed);
        const num::Currency amount = num::Currency::fromDouble(read);
        if (amount <= num::Currency{}) {
            s.message(QStringLiteral("Erro !!! Valor menor ou igua a ZERO"), framework::OkOnly, kTitle).refused();
            s.say(values(), QStringLiteral("%1 não é maior que zero: a quantia é recusada").arg(typedAmount(typed, read)));
            return;
        }
        // Amounts that would leave money over (or drive the count of 5-cent stamps below zero).
        if (!exactChange(amount)) {
            s.message(QStringLiteral("Erro !!! Impossível trocar sem sobrar dinheiro"), framework::OkOnly, kTitle)
                .refused();
            s.say(values(), QStringLiteral("%1 não se troca em selos de 3 e 5 sem sobrar: a quantia é recusada")
                                .arg(typedAmount(typed, read)));
            return;
        }
        s.started();
        Valor = Value::currency(amount * num::Currency::fromWhole(100));
        s.caption(Val::ValorTimes100, shown(Valor));
        Cont5 = 0;
        Cont3 = Value::integer(0);
        Inicio = false;
        said = QStringLiteral("Valor = X * 100 = %1, Cont3 = 0, Cont5 = 0; ").arg(shown(Valor));
    }

    s.rest();
    if (Valor != 0) {
        s.light({Line::DoWhile});
        const Value rest = num::mod(Valor, Value::integer(5));
        if (rest == 0) {
            s.light({Line::IfValorMod5, Line::Cont5PlusValorDiv5});
            // The row is said before the sum, so that an overflow has its row: the sum is a
            // Double, and a count past 32767 overflows the Integer Cont5 (Valor is then untouched).
            const QString sum = said + QStringLiteral("Valor MOD 5 = 0: Cont5 = Cont5 + Valor / 5");
            s.say(values(), sum);
            Cont5 = (Value::integer(Cont5) + Valor / Value::integer(5)).toInteger();
            s.caption(Val::Cont5, shownWhole(Cont5));
            Valor = Value::integer(0);
            s.trace.back().values = values();
            s.trace.back().said = sum + QStringLiteral(" = %1, Valor = 0").arg(shownWhole(Cont5));
        } else {
            s.light({Line::ValorMinus3});
            Valor = Valor - Value::integer(3);
            s.caption(Val::Valor, shown(Valor));
            Cont3 = Cont3 + Value::integer(1);
            s.caption(Val::Cont3, shown(Cont3));
            s.say(values(), said + QStringLiteral("Valor MOD 5 = %1, diferente de 0: segue pelo Senão, "
                                                  "Valor = Valor - 3, Cont3 = Cont3 + 1")
                                       .arg(shown(rest)));
        }
    } else {
        s.caption(Val::Stamps3, shown(Cont3));
        s.caption(Val::Stamps5, shownWhole(Cont5));
        s.say(values(), QStringLiteral("Valor = 0: o laço termina; %1 de 3 e %2 de 5")
                            .arg(stamps(shown(Cont3)), stamps(shownWhole(Cont5))));
        s.done();
    }
}

}  // namespace problems
