#pragma once
// Problem 09: the perfect numbers up to 999. Each click of "Calcule" searches on to the next
// one, with a desk-check row for every number it examines; the click that reaches 999 ends the
// search, and later clicks find nothing more.
#include "framework/numbers/value.h"
#include "framework/step.h"

namespace problems {

// What the loop over Cont writes for one N: the running sums (List2), the divisors N / Cont
// from the largest down (List3), until the sum passes N; and Soma at its end.
struct Examined {
    QStringList sums, divisors;
    num::Value Soma;
};
Examined examine(const num::Value& N);

class PerfectNumbers : public framework::AlgorithmOf<PerfectNumbers> {
public:
    QStringList columns() const override;
    void command(const QString& command, const framework::Inputs& in, framework::Step& step) override;
    void reset(framework::Step&) override { *this = PerfectNumbers(); }

    // Working values, named as the panel names them; empty until the first click.
    num::Value N;     // the number examined (an Integer)
    num::Value Soma;  // sum of the divisors of N found so far (a Double)

private:
    QStringList values() const;
};

}  // namespace problems
