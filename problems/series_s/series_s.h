#pragma once
// Problem 06: S = X - X^2/2! + X^3/3! - ... up to the term of exponent N, one term per click.
#include "framework/numbers/value.h"
#include "framework/step.h"

#include <cstdint>

namespace problems {

// The controls of its window that its code names, declared once: the table of controls,
// the algorithm and the window all use these names.
namespace series_s_controls {
using framework::Name;
namespace Text {
inline constexpr Name Prompt{"Label1(0)"};
inline constexpr Name BoxNames{"Label2"};
inline constexpr Name Answer{"Resposta"};
}  // namespace Text
namespace Box {
inline constexpr Name X{"X"};
inline constexpr Name N{"N"};
}  // namespace Box
namespace Cmd {
inline constexpr Name Calculate{"CmdCalc"};
inline constexpr Name NewCalculation{"CmdNovo"};
}  // namespace Cmd
namespace Line {
inline constexpr Name SIsX{"Label1(1)"};
inline constexpr Name XAuxIsX{"Label1(2)"};
inline constexpr Name NAuxIs1{"Label1(3)"};
inline constexpr Name WhileNAuxNotN{"Label1(4)"};
inline constexpr Name NAuxPlus1{"Label1(5)"};
inline constexpr Name XAuxPower{"Label1(6)"};
inline constexpr Name NumIsNAux{"Label1(19)"};
inline constexpr Name WhileNumNot1{"Label1(8)"};
inline constexpr Name FatTimesNum{"Label1(9)"};
inline constexpr Name NumMinus1{"Label1(10)"};
inline constexpr Name EndWhileNum{"Label1(11)"};
inline constexpr Name IfNAuxEven{"Label1(12)"};
inline constexpr Name SMinusTerm{"Label1(13)"};
inline constexpr Name SPlusTerm{"Label1(15)"};
inline constexpr Name EndIf{"Label1(16)"};
inline constexpr Name EndWhileNAux{"Label1(17)"};
}  // namespace Line
namespace Val {
inline constexpr Name S{"S"};
inline constexpr Name XAuxIsX{"Xaux1"};
inline constexpr Name NAux{"Naux"};
inline constexpr Name XAux{"XAux"};
inline constexpr Name NumIsNAux{"Num1"};
inline constexpr Name Fat{"Fat"};
inline constexpr Name Num{"Num"};
inline constexpr Name SMinusTerm{"S1"};
inline constexpr Name SPlusTerm{"S2"};
}  // namespace Val
}  // namespace series_s_controls

class SeriesS : public framework::AlgorithmOf<SeriesS> {
public:
    QStringList columns() const override;
    void command(framework::Name command, const framework::Inputs& in, framework::Step& step) override;
    void reset(framework::Step&) override { *this = SeriesS(); }

    // Working values, named as the panel names them.
    num::Value S;        // running sum, a Double
    num::Value NAux;     // exponent of the last term, an Integer
    double XAux = 0;     // X raised to NAux
    num::Value Num;      // counts NAux down while the factorial is built (empty before the first term)
    int32_t Fat = 0;     // NAux factorial; 13! no longer fits
    bool Inicio = true;  // the next click starts a new run

private:
    QStringList values() const;
    // Adds the term of exponent NAux + 1 to S; `said` gathers what was done, up to where a
    // run-time error stops it.
    void addTerm(const QString& typedX, framework::Step& s, QString& said, QString& doing);
};

}  // namespace problems
