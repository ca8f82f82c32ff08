#include "problems/digit_sum/digit_sum.h"

#include "framework/text.h"

namespace problems {

using namespace digit_sum_controls;

using framework::shown;
using framework::shownWhole;
using num::Value;

QStringList DigitSum::columns() const
{
    return {QStringLiteral("N"), QStringLiteral("R"), QStringLiteral("Soma")};
}

QStringList DigitSum::values() const
{
    if (Inicio)
        return {QString(), QString(), QString()};
    return {shown(N), shown(R), shownWhole(Soma)};
}

// Reads the number on the first click of a run, then one pass of the loop, or the answer.
void DigitSum::command(framework::Name, const framework::Inputs& in, framework::Step& s)
{
    s.stage("running");
    // What the step has done so far, and what it is doing when a run-time error stops it.
    QString said, doing;
    try {
        if (Inicio) {
            const QString typed = in.text(Box::Number);
            N = Value::text(framework::ss(typed));
            Soma = 0;
            R = Value::integer(0);
            if (N.textValue().empty()) {
                s.message(QStringLiteral("Impossível calcular!!!"), framework::OkOnly, QStringLiteral("Soma_digitos"))
                    .refused();
                s.say(values(), QStringLiteral("N vazio: não há número para ler, o cálculo é recusado"));
                return;
            }
            Inicio = false;
            s.row(List::R, shown(R));
            // The number as typed, in quotes like every text the student typed.
            said = QStringLiteral("N = \"%1\", Soma = 0, R = 0; ").arg(typed);
        }
        s.started();

        const Value dez = Value::integer(10);
        doing = QStringLiteral("N <> 0");
        if (N != 0.0) {
            const QString before = shown(N);
            doing = QStringLiteral("N = %1 <> 0: N \\ 10").arg(before);
            quociente = num::intDiv(N, dez);
            s.row(List::Div, shown(quociente));
            s.row(List::Dez, QStringLiteral("* 10"));
            // The subtraction takes a typed text as it is, unrounded.
            R = N - num::intDiv(N, dez) * dez;
            s.row(List::R, shown(R));
            s.row(List::N, shown(N));
            // The column under the assigned Soma is written before the addition, as the one
            // under the Soma that is added.
            s.row(List::Sol, shownWhole(Soma));
            s.row(List::Soma, shownWhole(Soma));
            doing = QStringLiteral("N = %1 <> 0: R = N - (N\\10) * 10 = %2, Soma = Soma + R").arg(before, shown(R));
            // The sum is a Long or a Double; past 32767 it overflows the Integer.
            Soma = (Value::integer(Soma) + R).toInteger();
            s.row(List::Resto, shown(R));
            N = num::intDiv(N, dez);
            s.say(values(), said + doing + QStringLiteral(" = %1, N = N \\ 10 = %2").arg(shownWhole(Soma), shown(N)));
        } else {
            s.caption(Val::Answer, shownWhole(Soma));
            s.done();
            s.say(values(),
                  said + QStringLiteral("N = 0: o laço termina, a soma dos dígitos é %1").arg(shownWhole(Soma)));
        }
    } catch (const num::RuntimeError&) {
        // The run cycle adds the error's own text after it.
        s.say(values(), said + doing + QStringLiteral(" interrompe o cálculo"));
        throw;
    }
}

}  // namespace problems
