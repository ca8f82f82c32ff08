#pragma once
// Problem 03, first method: the line through two points, from the 3 x 3 determinant
// | X Y 1 ; x0 y0 1 ; x1 y1 1 | = 0 expanded by the rule of Sarrus, written out step by step.
// Each click of "Resolver" works the whole answer from the points typed.
#include "framework/numbers/rules.h"  // command() throws num::RuntimeError
#include "framework/step.h"

#include <array>
#include <optional>

namespace problems {

// The controls of its window that its code names, declared once: the table of controls,
// the algorithm and the window all use these names.
namespace line_by_determinant_controls {
using framework::Name;
namespace Box {
inline constexpr Name X[] = {Name{"X(0)"}, Name{"X(1)"}};
inline constexpr Name Y[] = {Name{"Y(0)"}, Name{"Y(1)"}};
}  // namespace Box
namespace Cell {
// The determinant's cells: each point's coordinates twice, and a 1 between them.
inline constexpr Name X0[] = {Name{"X0(0)"}, Name{"X0(1)"}};
inline constexpr Name Y0[] = {Name{"Y0(0)"}, Name{"Y0(1)"}};
inline constexpr Name X1[] = {Name{"X1(0)"}, Name{"X1(1)"}};
inline constexpr Name Y1[] = {Name{"Y1(0)"}, Name{"Y1(1)"}};
inline constexpr Name One[] = {Name{"Label2(0)"}, Name{"Label2(1)"}};
}  // namespace Cell
namespace Val {
inline constexpr Name WX[] = {Name{"WX(0)"}, Name{"WX(1)"}};
inline constexpr Name WY[] = {Name{"WY(0)"}, Name{"WY(1)"}};
inline constexpr Name Calc[] = {Name{"Calc(0)"}, Name{"Calc(1)"}};
inline constexpr Name Term[] = {
    Name{"Calc1(0)"}, Name{"Calc1(1)"}, Name{"Calc1(2)"}, Name{"Calc1(3)"}, Name{"Calc1(4)"},
    Name{"Calc1(5)"}, Name{"Calc1(6)"}, Name{"Calc1(7)"}, Name{"Calc1(8)"}, Name{"Calc1(9)"},
    Name{"Calc1(10)"}, Name{"Calc1(11)"}
};
inline constexpr Name Answer{"Resposta"};
}  // namespace Val
namespace Text {
inline constexpr Name Open[] = {Name{"Label1(0)"}, Name{"Label1(1)"}};
inline constexpr Name Comma[] = {Name{"Vírgula(0)"}, Name{"Vírgula(1)"}};
inline constexpr Name Close[] = {Name{"Parêntese(0)"}, Name{"Parêntese(1)"}};
inline constexpr Name Header{"Label1(2)"};
inline constexpr Name Equals{"Label3(0)"};
inline constexpr Name TermsEnd{"Label3(1)"};
inline constexpr Name AnswerSign{"Label3(2)"};
}  // namespace Text
namespace Cmd {
inline constexpr Name Solve{"CmdSolve"};
}  // namespace Cmd
}  // namespace line_by_determinant_controls

class LineByDeterminant : public framework::AlgorithmOf<LineByDeterminant> {
public:
    QStringList columns() const override;
    void command(framework::Name command, const framework::Inputs& in, framework::Step& step) override;
    void reset(framework::Step&) override { *this = LineByDeterminant(); }

    // Working values, named as the determinant names them: the points A = (X0, Y0) and
    // B = (X1, Y1) as typed.
    QString X0, Y0, X1, Y1;
    // The magnitude of each coordinate, as text (the hidden labels WX and WY), by point.
    std::array<QString, 2> WX, WY;
    // The coefficients of the negated determinant: a X + b Y + c = 0.
    std::optional<double> a, b, c;

private:
    QStringList values() const;
};

}  // namespace problems
