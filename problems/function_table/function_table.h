#pragma once
// Problem 04: the table of a piecewise f(x) on a closed interval [a, b], one point per click
// of "Calcule".
#include "framework/numbers/value.h"
#include "framework/step.h"

namespace problems {

// The controls of its window that its code names, declared once: the table of controls,
// the algorithm and the window all use these names.
namespace function_table_controls {
using framework::Name;
namespace Text {
inline constexpr Name Prompt{"Label1(0)"};
inline constexpr Name BoxNames{"Label3"};
inline constexpr Name CountPrompt{"Label1(1)"};
inline constexpr Name BIs{"Label5"};
inline constexpr Name Answer{"Label1(20)"};
inline constexpr Name XHeading{"Label2(0)"};
inline constexpr Name FxHeading{"Label2(1)"};
}  // namespace Text
namespace Box {
inline constexpr Name A{"a"};
inline constexpr Name B{"b"};
inline constexpr Name N{"n"};
}  // namespace Box
namespace Cmd {
inline constexpr Name Calculate{"Command1"};
inline constexpr Name NewCalculation{"CmdNovo"};
}  // namespace Cmd
namespace Line {
inline constexpr Name Intervalo{"Label1(2)"};
inline constexpr Name DoWhile{"Label1(5)"};
inline constexpr Name IfXBelowMinus3{"Xmenor3"};
inline constexpr Name FxBelow{"Label1(7)"};
inline constexpr Name IfXAbove3{"Xmaior3"};
inline constexpr Name FxAbove{"Label1(10)"};
inline constexpr Name Else{"Xintervalo"};
inline constexpr Name FxBetween{"Label1(12)"};
inline constexpr Name EndDo{"Label1(17)"};
}  // namespace Line
namespace Val {
inline constexpr Name Intervalo{"Interv"};
inline constexpr Name X{"X"};
inline constexpr Name B{"bb"};
}  // namespace Val
namespace List {
inline constexpr Name X{"Xfinal"};
inline constexpr Name Fx{"fx"};
inline constexpr Name Cont1{"Cont1"};
inline constexpr Name Cont2{"Cont2"};
inline constexpr Name X1{"X1"};
inline constexpr Name A{"a1"};
inline constexpr Name Cont3{"cont3"};
inline constexpr Name Intervalo{"int1"};
}  // namespace List
}  // namespace function_table_controls

class FunctionTable : public framework::AlgorithmOf<FunctionTable> {
public:
    QStringList columns() const override;
    void command(framework::Name command, const framework::Inputs& in, framework::Step& step) override;
    void reset(framework::Step&) override { *this = FunctionTable(); }

    // Working values, named as the panel names them.
    num::Value a, b, n;
    num::Value Intervalo;  // (b - a) / n, a Double
    num::Value X;          // the point of the next pass, a Double
    num::Currency Cont;    // the points written so far
    num::Currency Fx;      // f of the last point written
    // What a desk-check row is about: the point it tabulates (with its f), or the X that ends
    // the loop; X itself has moved on to the next point by the end of the step.
    num::Value Xrow;
    bool tabulated = false;
    bool Inicio = true;    // the next click starts a new run
    bool running = false;  // the step is worked out and shown (n was not 0)

private:
    QStringList values() const;
    bool start(const framework::Inputs& in, framework::Step& s, QString& said, QString& doing);
    void point(framework::Step& s, const QString& said, QString& doing);
};

}  // namespace problems
