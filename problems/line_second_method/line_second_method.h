#pragma once
// Problem 03, second method: the line through two points written as a.Y = b.X + c, with
// a = X1 - X0, b = Y1 - Y0 and c = -b.X0 + a.Y0; a vertical line is refused. Each click of
// "Calcular" works the whole answer from the points typed.
#include "framework/numbers/value.h"
#include "framework/step.h"

#include <optional>

namespace problems {

// The controls of its window that its code names, declared once: the table of controls,
// the algorithm and the window all use these names.
namespace line_second_method_controls {
using framework::Name;
namespace Box {
inline constexpr Name X0{"X(0)"};
inline constexpr Name Y0{"Y(0)"};
inline constexpr Name X1{"X(1)"};
inline constexpr Name Y1{"Y(1)"};
}  // namespace Box
namespace Text {
// The words around the boxes of the two points.
inline constexpr Name OpenA{"Label1(0)"};
inline constexpr Name CommaA{"Vírgula(0)"};
inline constexpr Name CloseA{"Parêntese(0)"};
inline constexpr Name OpenB{"Label1(1)"};
inline constexpr Name CommaB{"Vírgula(1)"};
inline constexpr Name CloseB{"Parêntese(1)"};
// The two points as their rows show them: "A = (" X(0) "," Y(0) ")", then B.
inline constexpr Name Points[2][5] = {
    {OpenA, Box::X0, CommaA, Box::Y0, CloseA}, {OpenB, Box::X1, CommaB, Box::Y1, CloseB}
};
}  // namespace Text
namespace Cmd {
inline constexpr Name Calculate{"Cmd_Calculo"};
}  // namespace Cmd
namespace Line {
inline constexpr Name Impossible{"Label2(1)"};
inline constexpr Name A{"Label2(3)"};
inline constexpr Name B{"Label2(4)"};
inline constexpr Name C{"Label2(5)"};
}  // namespace Line
namespace Val {
inline constexpr Name A{"Wa"};
inline constexpr Name B{"Wb"};
inline constexpr Name C{"Wc"};
inline constexpr Name Answer{"Resp"};
}  // namespace Val
}  // namespace line_second_method_controls

class LineSecondMethod : public framework::AlgorithmOf<LineSecondMethod> {
public:
    QStringList columns() const override;
    void command(framework::Name command, const framework::Inputs& in, framework::Step& step) override;
    void reset(framework::Step&) override { *this = LineSecondMethod(); }

    // Working values, named as the panel names them. The coordinates are the texts typed.
    num::Value X0, Y0, X1, Y1;
    num::Value a, b;
    std::optional<double> c;
    num::Value Sinal1, Sinal2;  // "" or "-"
    QString Sinal3;             // "+" or "-"

private:
    QStringList values() const;
};

}  // namespace problems
