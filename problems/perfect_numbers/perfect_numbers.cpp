#include "problems/perfect_numbers/perfect_numbers.h"

#include "framework/text.h"

namespace problems {

using namespace perfect_numbers_controls;

using framework::shown;
using num::Value;


Examined examine(const Value& N)
{
    const Value one = Value::integer(1);
    Examined e;
    e.Soma = Value::integer(0);
    // The end of the loop is taken once, when it starts; "Cont = N + 1" ends it early.
    const int16_t last = N.toInteger();
    for (int16_t Cont = 2; Cont <= last; Cont = num::addInteger(Cont, 1)) {
        const Value cont = Value::integer(Cont);
        if (num::mod(N, cont) == 0) {
            e.Soma = e.Soma + N / cont;
            e.sums << shown(e.Soma);
            e.divisors << shown(N / cont);
            if (e.Soma > N)
                Cont = (N + one).toInteger();
        }
    }
    return e;
}

QStringList PerfectNumbers::columns() const { return {QStringLiteral("N"), QStringLiteral("Soma")}; }

QStringList PerfectNumbers::values() const { return {shown(N), shown(Soma)}; }

void PerfectNumbers::command(framework::Name, const framework::Inputs&, framework::Step& s)
{
    const Value one = Value::integer(1);
    if (!(N < 999)) {
        s.say(values(), QStringLiteral("N = %1: a condição N < 999 é falsa, o laço Enquanto não roda: nada muda")
                            .arg(shown(N)));
        s.done();
        return;
    }
    while (N < 999) {
        s.clearList(List::Sums).clearList(List::Divisors);
        N = N + one;
        s.caption(Val::N, shown(N));
        const Examined e = examine(N);
        Soma = e.Soma;
        for (const QString& row : e.sums)
            s.row(List::Sums, row);
        for (const QString& row : e.divisors)
            s.row(List::Divisors, row);
        // "Soma = 3 + 2 + 1 = 6"; with no divisor below N the loop over Cont adds nothing.
        const QString sum = e.divisors.isEmpty()
                                ? QStringLiteral("nenhum divisor se soma, Soma = %1").arg(shown(Soma))
                                : QStringLiteral("Soma = %1 = %2").arg(e.divisors.join(QStringLiteral(" + ")), shown(Soma));
        const QString n = shown(N);
        if (Soma == N) {
            s.message(shown(num::concat(N, Value::text(" è um número perfeito"))), framework::Information,
                      QStringLiteral("Valor Válido"));
            s.row(List::Answer, n);
            // The row of the number found is the window as the click leaves it, its answer
            // written.
            s.say(values(), QStringLiteral("N = %1: %2 = N: %1 é um número perfeito").arg(n, sum));
            return;
        }
        // Each candidate is a row of its own, the window as its lists leave it.
        s.sayDone(values(), Soma > N ? QStringLiteral("N = %1: %2 > N, a soma dos divisores para: %1 não é perfeito")
                                           .arg(n, sum)
                                     : QStringLiteral("N = %1: %2 <> N: %1 não é perfeito").arg(n, sum));
    }
    s.sayDone(values(), QStringLiteral("N = %1: a condição N < 999 é falsa, o laço Enquanto termina").arg(shown(N)));
    s.done();
}

}  // namespace problems
