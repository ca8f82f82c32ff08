// The window of the salary problem: the salary typed, its echo, the panel of the bands and the
// adjusted salary.
#include "problems/salary/salary.h"

#include "framework/form.h"
#include "problems/problems.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace problems {

using namespace salary_controls;

using namespace framework;
using C = ControlSpec;

namespace {
// The panel rests in red.
constexpr OleColor Resting = ole::Red;

// The widest salary the window takes: below it, the 40 % band leaves the Currency range.
const QString WidestSalary = QStringLiteral("-658812288346769");
}  // namespace

class SalaryWindow : public Form {
public:
    SalaryWindow();

protected:
    // "Resolver" clear of the echo, and the window wide enough for the echo and the answer
    // (also after a run-time error stopped the click half-way).
    void arrange() override;

private:
    int solveLeft_;  // the place of "Resolver", in pixels
};

SalaryWindow::SalaryWindow()
    : Form(QStringLiteral("Salário"), QStringLiteral("Calcule de reajuste salarial"), 4875, 6195)
{
    addControls({
        {C::Label, Text::Prompt, "Digite salário do funcionário :", {120, 120}, Pt12},
        {C::TextBox, Box::Salary, "", {3240, 120, 1215, 375}},
        {C::Value, Val::X, "", {360, 720}, Pt12, ole::DarkBlue},
        {C::Button, Cmd::Solve, "Resolver", {3600, 840, 975, 375}},

        // The pseudo-code panel.
        {C::Label, "Label2(0)", "Se ( X < 200  ) então", {480, 1320}, Panel, Resting},
        {C::Label, Line::Times14, "X=  1.4  * X", {960, 1680}, Panel, Resting},
        {C::Label, "Label2(2)", "Senão", {600, 2040}, Panel, Resting},
        {C::Label, "Label2(3)", "Se   ( X >= 200  )   e   ( X < 1000)      então", {1080, 2280}, Panel, Resting},
        {C::Label, Line::Times13, " X = 1.3 *  X", {1440, 2760}, Panel, Resting},
        {C::Label, "Label2(5)", "Senão", {1080, 3120}, Panel, Resting},
        {C::Label, Line::Times12, " X = 1.2 *  X", {1320, 3600}, Panel, Resting},
        {C::Label, "Label2(7)", "Fim_Se", {1080, 4080}, Panel, Resting},
        {C::Label, "Label2(8)", "Fim_Se", {480, 4560}, Panel, Resting},

        {C::Label, Text::AnswerWords, "Salário reajustado é :", {240, 5040}, Pt12},
        {C::Value, Val::Answer, "", {2640, 5040}, Pt135Bold, ole::Blue},
        {C::Button, Cmd::NewCalculation, "Novo cálculo", {720, 5640, 2415, 375}, Pt135},
    });
    // Brackets: the outer "Se" to the outer "Fim_Se", the inner "Se" to the inner "Fim_Se";
    // each a vertical stroke with a slant towards the line it opens and the line it closes. The
    // inner slants stop 45 twips short of their lines' text.
    addLine(QStringLiteral("Line1(0)"), 120, 1680, 120, 4320);
    addLine(QStringLiteral("Line2(0)"), 120, 1680, 360, 1440);
    addLine(QStringLiteral("Line3(0)"), 120, 4320, 360, 4680);
    addLine(QStringLiteral("Line1(1)"), 960, 2640, 960, 3960);
    addLine(QStringLiteral("Line2(1)"), 960, 2640, 1080 - 45, 2400);
    addLine(QStringLiteral("Line3(1)"), 960, 3960, 1080 - 45, 4200);

    QLineEdit* salary = textBox(Box::Salary);
    QLabel* prompt = label(Text::Prompt);
    describe(salary, QStringLiteral("Salário do funcionário"), prompt);
    // The prompt is wider in this face than its place allows: the box stands after its colon, and
    // it is wide enough for the widest salary.
    keepClearOf(salary, prompt, 4);
    salary->resize(qMax(salary->width(), widthToShow(salary, salary->width(), WidestSalary)), salary->height());
    keepClearOf(label(Val::Answer), label(Text::AnswerWords), 4);
    solveLeft_ = button(Cmd::Solve)->x();

    setTabOrder({salary, button(Cmd::Solve), button(Cmd::NewCalculation)});
    setRun(std::make_unique<Salary>(),
           {.calculate = Cmd::Solve,
            .newCalculation = Cmd::NewCalculation,
            .lockedWhileRunning = {Box::Salary},
            .clearedByNew = {Val::Answer, Val::X, Box::Salary},
            .focusOnNew = Box::Salary,
            // "Novo cálculo" is offered all the time, before a run as after one; "Resolver"
            // is taken away at once when clicked.
            .stages = {{"ready", {{RunSpec::Change::Enable, Cmd::Solve}, {RunSpec::Change::Show, Cmd::Solve}}},
                       {"running", {{RunSpec::Change::Disable, Cmd::Solve}}}}});
    arrangeOnResize({label(Val::X), label(Val::Answer)});
}

void SalaryWindow::arrange()
{
    // A long echo pushes "Resolver" to its right (it stands on the echo's row); the window
    // grows for the echo and the adjusted salary.
    const QLabel* echo = label(Val::X);
    QPushButton* solve = button(Cmd::Solve);
    const int afterEcho = caption(echo).isEmpty() ? 0 : echo->geometry().right() + 1 + px(120);
    solve->move(qMax(solveLeft_, afterEcho), solve->y());
    growToFit();
}

Form* createSalary() { return new SalaryWindow; }

}  // namespace problems
