#pragma once
// Problem 01: a system of two linear equations solved by determinants, the whole system in
// one click of "Cálcule".
#include "framework/numbers/value.h"
#include "framework/step.h"

namespace problems {

// The controls of its window that its code names, declared once: the table of controls,
// the algorithm and the window all use these names.
namespace linear_system_controls {
using framework::Name;
namespace Box {
inline constexpr Name A1{"a1"};
inline constexpr Name B1{"b1"};
inline constexpr Name C1{"c1"};
inline constexpr Name A2{"a2"};
inline constexpr Name B2{"b2"};
inline constexpr Name C2{"c2"};
}  // namespace Box
namespace Text {
// The words between the boxes of each equation.
inline constexpr Name X1{"Label1(0)"};
inline constexpr Name Y1{"Label1(2)"};
inline constexpr Name X2{"Label1(1)"};
inline constexpr Name Y2{"Label1(3)"};
}  // namespace Text
namespace Cmd {
inline constexpr Name Calculate{"Cmdcalc"};
}  // namespace Cmd
namespace Line {
inline constexpr Name Det{"Label2(0)"};
inline constexpr Name DetA1{"Label2(1)"};
inline constexpr Name DetA2{"Label2(2)"};
inline constexpr Name IfDet0{"Label3(0)"};
inline constexpr Name IfBothDets0{"Label3(1)"};
inline constexpr Name Indeterminate{"Label3(2)"};
inline constexpr Name ElseIfADet{"Label3(3)"};
inline constexpr Name Impossible{"Label3(4)"};
inline constexpr Name XIs{"Label3(7)"};
inline constexpr Name YIs{"Label3(8)"};
}  // namespace Line
namespace Val {
inline constexpr Name X{"Label3(9)"};
inline constexpr Name Y{"Label3(10)"};
}  // namespace Val
}  // namespace linear_system_controls

class LinearSystem : public framework::AlgorithmOf<LinearSystem> {
public:
    QStringList columns() const override;
    void command(framework::Name command, const framework::Inputs& in, framework::Step& step) override;
    void reset(framework::Step&) override { *this = LinearSystem(); }

    // The coefficients as read, the three determinants and the solution, named as the panel
    // names them (all Doubles).
    num::Value a1, b1, c1, a2, b2, c2;
    num::Value Det, Det_A1, Det_A2, X, Y;

private:
    QStringList values() const;
    // Writes one determinant worked out from its four factors, with its desk-check row.
    void determinant(framework::Step& s, num::Value& result, const char* name, framework::Name label,
                     const num::Value& p, const num::Value& q, const num::Value& r, const num::Value& t);
};

}  // namespace problems
