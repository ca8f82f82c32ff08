#pragma once
// Problem 02: the adjusted salary of an employee (40 %, 30 % or 20 % by salary band), worked in
// one click of "Resolver".
#include "framework/numbers/rules.h"
#include "framework/step.h"

namespace problems {

// The controls of its window that its code names, declared once: the table of controls,
// the algorithm and the window all use these names.
namespace salary_controls {
using framework::Name;
namespace Box {
inline constexpr Name Salary{"Salário"};
}  // namespace Box
namespace Cmd {
inline constexpr Name Solve{"CmdSolve"};
inline constexpr Name NewCalculation{"Command1"};
}  // namespace Cmd
namespace Text {
inline constexpr Name Prompt{"Label1"};
inline constexpr Name AnswerWords{"Label3"};
}  // namespace Text
namespace Val {
inline constexpr Name X{"ValX"};
inline constexpr Name Answer{"Resp"};
}  // namespace Val
namespace Line {
inline constexpr Name Times14{"sal1"};
inline constexpr Name Times13{"Sal2"};
inline constexpr Name Times12{"Sal3"};
}  // namespace Line
}  // namespace salary_controls

class Salary : public framework::AlgorithmOf<Salary> {
public:
    QStringList columns() const override;
    void command(framework::Name command, const framework::Inputs& in, framework::Step& step) override;
    void reset(framework::Step& step) override;

    // The salary as read, then the adjusted salary.
    num::Currency X;
    bool read = false;  // X holds a salary

private:
    QStringList values() const;
};

}  // namespace problems
