#include "problems/line_second_method/line_second_method.h"

#include "framework/text.h"

namespace problems {

using namespace line_second_method_controls;

using framework::shown;
using framework::shownDouble;
using num::Value;

QStringList LineSecondMethod::columns() const
{
    return {QStringLiteral("X0"), QStringLiteral("Y0"), QStringLiteral("X1"), QStringLiteral("Y1"),
            QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("Sinal1"),
            QStringLiteral("Sinal2"), QStringLiteral("Sinal3")};
}

QStringList LineSecondMethod::values() const
{
    return {shown(X0), shown(Y0), shown(X1), shown(Y1), shown(a), shown(b), c ? shownDouble(*c) : QString(),
            shown(Sinal1), shown(Sinal2), Sinal3};
}

void LineSecondMethod::command(framework::Name, const framework::Inputs& in, framework::Step& s)
{
    // Every click is a whole run, from the points as typed now.
    *this = LineSecondMethod();
    s.anew();
    const auto typed = [&in](framework::Name box) { return Value::text(framework::ss(in.text(box))); };
    X0 = typed(Box::X0);
    X1 = typed(Box::X1);
    Y0 = typed(Box::Y0);
    Y1 = typed(Box::Y1);

    // What is being worked, for the row that reports a run-time error.
    QString working = QStringLiteral("X1 - X0");
    try {
        const Value width = X1 - X0;
        if (width == 0.0) {
            s.message(QStringLiteral("Impossível Calcular !!!"), framework::Information,
                      QStringLiteral("Equação da Reta"));
            // The refusal line stays red for the life of the window.
            s.light(Line::Impossible, framework::ole::Red);
            s.say(values(), QStringLiteral("X1 - X0 = 0: a reta é vertical, Impossível Calcular"));
            s.refused();
            return;
        }
        s.say(values(), QStringLiteral("X1 - X0 = %1, diferente de 0: segue pelo Senão").arg(shown(width)));

        a = width;
        s.say(values(), QStringLiteral("a = X1 - X0 = %1").arg(shown(a)));
        working = QStringLiteral("b = Y1 - Y0");
        b = Y1 - Y0;
        s.say(values(), QStringLiteral("b = Y1 - Y0 = %1").arg(shown(b)));
        working = QStringLiteral("c = - b * X0 + a * Y0");
        c = ((-b) * X0 + a * Y0).toDouble();
        s.say(values(), QStringLiteral("c = - b * X0 + a * Y0 = %1").arg(shownDouble(*c)));
        s.caption(Val::A, shown(a));
        s.caption(Val::B, shown(b));
        s.caption(Val::C, shownDouble(*c));
    } catch (const num::RuntimeError&) {
        // The run cycle adds the error's own text after it.
        s.say(values(), working + QStringLiteral(" interrompe o cálculo"));
        throw;
    }

    const Value minusOne = Value::integer(-1);
    const QString wasA = shown(a), wasB = shown(b), wasC = shownDouble(*c);
    if (a > 0.0) {
        Sinal1 = Value::text("");
        s.say(values(), QStringLiteral("a = %1 > 0: Sinal1 fica vazio").arg(wasA));
    } else {
        Sinal1 = Value::text("-");
        a = minusOne * a;
        s.say(values(), QStringLiteral("a = %1 não é maior que 0: Sinal1 = \"-\" e a = - 1 * a = %2")
                            .arg(wasA, shown(a)));
    }
    if (b > 0.0) {
        Sinal2 = Value::text("");
        s.say(values(), QStringLiteral("b = %1 > 0: Sinal2 fica vazio").arg(wasB));
    } else {
        Sinal2 = Value::text("-");
        b = minusOne * b;
        s.say(values(), QStringLiteral("b = %1 não é maior que 0: Sinal2 = \"-\" e b = - 1 * b = %2")
                            .arg(wasB, shown(b)));
    }
    if (*c > 0) {
        Sinal3 = QStringLiteral("+");
        s.say(values(), QStringLiteral("c = %1 > 0: Sinal3 = \"+\"").arg(wasC));
    } else {
        Sinal3 = QStringLiteral("-");
        c = -1 * *c;
        s.say(values(), QStringLiteral("c = %1 não é maior que 0: Sinal3 = \"-\" e c = - 1 * c = %2")
                            .arg(wasC, shownDouble(*c)));
    }

    const QString answer = shown(Sinal1) + shown(a) + QStringLiteral("Y = ") + shown(Sinal2) + shown(b) +
                           QStringLiteral("X ") + Sinal3 + shownDouble(*c);
    // The answer's row opens before it is written: the row is the window as its message box
    // shows it.
    s.say(values(), QStringLiteral("Escreva a resposta: %1").arg(answer));
    s.caption(Val::Answer, answer);
    s.message(answer, framework::Exclamation, QStringLiteral("Resposta Final"));
    s.done();
}

}  // namespace problems
