#pragma once
// Problem 11: the largest and the smallest of three whole numbers, in one click of "Calcular".
#include "framework/numbers/value.h"
#include "framework/step.h"

#include <cstdint>

namespace problems {

// The controls of its window that its code names, declared once: the table of controls,
// the algorithm and the window all use these names.
namespace largest_smallest_controls {
using framework::Name;
namespace Line {
inline constexpr Name Read{"Label1(3)"};
inline constexpr Name IfN1AboveN2{"Label1(4)"};
inline constexpr Name MaiorIsN1{"Label1(5)"};
inline constexpr Name MenorIsN2{"Label1(6)"};
inline constexpr Name Else{"Label1(7)"};
inline constexpr Name MaiorIsN2{"Label1(8)"};
inline constexpr Name MenorIsN1{"Label1(9)"};
inline constexpr Name IfN3AboveMaior{"Label1(11)"};
inline constexpr Name MaiorIsN3{"Label1(12)"};
inline constexpr Name IfN3BelowMenor{"Label1(14)"};
inline constexpr Name MenorIsN3{"Label1(15)"};
}  // namespace Line
namespace Box {
inline constexpr Name N1{"N1"};
inline constexpr Name N2{"n2"};
inline constexpr Name N3{"n3"};
}  // namespace Box
namespace Cmd {
inline constexpr Name Calculate{"Command1"};
inline constexpr Name Next{"Command2"};
}  // namespace Cmd
namespace Frame {
inline constexpr Name Solution{"Frame1"};
}  // namespace Frame
namespace Val {
inline constexpr Name Maior{"Maior"};
inline constexpr Name Menor{"Menor"};
}  // namespace Val
}  // namespace largest_smallest_controls

class LargestSmallest : public framework::AlgorithmOf<LargestSmallest> {
public:
    QStringList columns() const override;
    void command(framework::Name command, const framework::Inputs& in, framework::Step& step) override;
    void reset(framework::Step& step) override;

    // Working values, named as the panel names them.
    num::Value N1, N2, N3;  // the numbers as read (Doubles)
    num::Value Maior;
    // The smallest is kept as a 16-bit Integer: it is rounded, and overflows past 32767.
    int16_t Menor = 0;
    bool hasMenor = false;  // Menor has been given a value

private:
    QStringList values() const;
    void takeMenor(framework::Step& s, const char* name, const num::Value& from, std::initializer_list<framework::Name> lit,
                   framework::Name maiorLine, framework::Name menorLine);
};

}  // namespace problems
