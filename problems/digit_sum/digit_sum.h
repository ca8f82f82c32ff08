#pragma once
// Problem 05: the sum of the digits of a whole number, one pass of the loop per click of
// " Leia     N".
#include "framework/numbers/value.h"
#include "framework/step.h"

#include <cstdint>

namespace problems {

// The controls of its window that its code names, declared once: the table of controls,
// the algorithm and the window all use these names.
namespace digit_sum_controls {
using framework::Name;
namespace Text {
inline constexpr Name Prompt{"Label1(0)"};
}  // namespace Text
namespace Box {
inline constexpr Name Number{"Num"};
}  // namespace Box
namespace Cmd {
inline constexpr Name Read{"Resposta"};
inline constexpr Name Next{"Command1"};
}  // namespace Cmd
namespace List {
inline constexpr Name R{"R"};
inline constexpr Name N{"N"};
inline constexpr Name Div{"Div"};
inline constexpr Name Dez{"Dez"};
inline constexpr Name Soma{"Som"};
inline constexpr Name Sol{"Sol"};
inline constexpr Name Resto{"Resto"};
}  // namespace List
namespace Frame {
inline constexpr Name Answer{"Frame1"};
}  // namespace Frame
namespace Val {
inline constexpr Name Answer{"Answer"};
}  // namespace Val
}  // namespace digit_sum_controls

class DigitSum : public framework::AlgorithmOf<DigitSum> {
public:
    QStringList columns() const override;
    void command(framework::Name command, const framework::Inputs& in, framework::Step& step) override;
    void reset(framework::Step&) override { *this = DigitSum(); }

    // Working values, named as the panel names them.
    num::Value N;          // the typed text until the first pass, then a Long
    num::Value R;          // the digit of the pass
    num::Value quociente;  // N \ 10 of the pass
    int16_t Soma = 0;
    bool Inicio = true;    // the next click must read a new number

private:
    QStringList values() const;
};

}  // namespace problems
