#pragma once
// Problem 09: the perfect numbers up to 999. Each click of "Calcule" searches on to the next
// one, with a desk-check row for every number it examines; the click that reaches 999 ends the
// search, and later clicks find nothing more.
#include "framework/numbers/value.h"
#include "framework/step.h"

namespace problems {

// The controls of its window that its code names, declared once: the table of controls,
// the algorithm and the window all use these names.
namespace perfect_numbers_controls {
using framework::Name;
namespace Cmd {
inline constexpr Name Calculate{"Cmd_Calc"};
}  // namespace Cmd
namespace Line {
inline constexpr Name WhileNBelow999{"Label1(2)"};
inline constexpr Name ForCont{"Label1(5)"};
inline constexpr Name IfNModCont0{"Label1(16)"};
inline constexpr Name IfSomaAboveN{"Label1(7)"};
inline constexpr Name EndIfSomaAboveN{"Label1(10)"};
inline constexpr Name EndIfNModCont0{"Label1(17)"};
inline constexpr Name EndFor{"Label1(11)"};
inline constexpr Name IfSomaIsN{"Label1(12)"};
inline constexpr Name EndIfSomaIsN{"Label1(14)"};
inline constexpr Name EndWhile{"Label1(15)"};
}  // namespace Line
namespace Val {
inline constexpr Name N{"Wn"};
}  // namespace Val
namespace List {
inline constexpr Name Sums{"List2"};
inline constexpr Name Divisors{"List3"};
inline constexpr Name Answer{"Resposta"};
}  // namespace List
}  // namespace perfect_numbers_controls

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
    void command(framework::Name command, const framework::Inputs& in, framework::Step& step) override;
    void reset(framework::Step&) override { *this = PerfectNumbers(); }

    // Working values, named as the panel names them; empty until the first click.
    num::Value N;     // the number examined (an Integer)
    num::Value Soma;  // sum of the divisors of N found so far (a Double)

private:
    QStringList values() const;
};

}  // namespace problems
