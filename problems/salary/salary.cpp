#include "problems/salary/salary.h"

#include "framework/text.h"

namespace problems {

using namespace salary_controls;

using framework::qs;
using framework::shownDouble;

namespace {
// The line of the band that applied is lit blue on a panel resting in red.
constexpr framework::OleColor Lit = framework::ole::Blue;

// X times a band's factor: the product is worked in Double and rounded back to four decimals.
num::Currency adjusted(num::Currency x, double factor)
{
    return num::Currency::fromDouble(num::checked(x.toDouble() * factor));
}
}  // namespace

QStringList Salary::columns() const { return {QStringLiteral("X")}; }

QStringList Salary::values() const { return {read ? qs(num::displayCurrency(X)) : QString()}; }

void Salary::reset(framework::Step&) { *this = Salary(); }

void Salary::command(framework::Name, const framework::Inputs& in, framework::Step& s)
{
    // "Resolver" and the box are taken away at once; they stay so until "Novo cálculo".
    s.stage("running").started();

    const QString typed = in.text(Box::Salary);
    if (typed.isEmpty()) {
        s.message(QStringLiteral("Digite um valor válido !!!"), framework::OkOnly, QStringLiteral("Cálculo do Salário"));
        // Then the window is as after "Novo cálculo".
        s.rest()
            .caption(Val::Answer, QString())
            .caption(Val::X, QString())
            .caption(Box::Salary, QString())
            .stage("ready")
            .enable(Box::Salary)
            .focus(Box::Salary);
        s.say(values(), QStringLiteral("Nenhum salário digitado: o cálculo é recusado e a janela volta ao início"))
            .refused();
        return;
    }

    s.say(values(), QStringLiteral("X recebe o salário digitado, \"%1\"").arg(typed));
    // A text that is not a number is a type mismatch; one past the Currency range overflows.
    X = num::textToCurrency(framework::ss(typed));
    read = true;
    s.trace.back().values = values();
    s.caption(Val::X, QStringLiteral("Valor de X = ") + typed);

    const QString x = qs(num::displayCurrency(X));
    const double value = X.toDouble();
    double factor;
    framework::Name line;
    if (value < 200) {
        s.say(values(), QStringLiteral("X = %1 é menor que 200: segue pelo Então").arg(x));
        factor = 1.4;
        line = Line::Times14;
    } else {
        s.say(values(), QStringLiteral("X = %1 não é menor que 200: segue pelo Senão").arg(x));
        if (value < 1000) {
            s.say(values(), QStringLiteral("X = %1 é maior ou igual a 200 e menor que 1000: segue pelo Então").arg(x));
            factor = 1.3;
            line = Line::Times13;
        } else {
            s.say(values(), QStringLiteral("X = %1 não é menor que 1000: segue pelo Senão").arg(x));
            factor = 1.2;
            line = Line::Times12;
        }
    }
    s.say(values(), QStringLiteral("X = %1 * X = %1 * %2").arg(shownDouble(factor), x));
    // Past the Currency range the adjusted salary overflows.
    X = adjusted(X, factor);
    s.trace.back().values = values();
    s.light(line, Lit);
    s.caption(Val::Answer, qs(num::displayCurrency(X)));
    s.done();
}

}  // namespace problems
