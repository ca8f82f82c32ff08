#include "problems/salary/salary.h"

#include "framework/text.h"
#include "problems/problems.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace problems {

using namespace framework;

namespace {
// The panel rests in red and lights the line of the band that applied in blue.
constexpr OleColor Resting = ole::Red;
constexpr OleColor Lit = ole::Blue;

// X times a band's factor: the product is worked in Double and rounded back to four decimals.
num::Currency adjusted(num::Currency x, double factor)
{
    return num::Currency::fromDouble(num::checked(x.toDouble() * factor));
}

// The widest salary the window takes: below it, the 40 % band leaves the Currency range.
const QString WidestSalary = QStringLiteral("-658812288346769");
}  // namespace

SalaryForm::SalaryForm()
    : Form(QStringLiteral("Salário"), QStringLiteral("Calcule de reajuste salarial"), 4875, 6195)
{
    addLabel(QStringLiteral("Label1"), QStringLiteral("Digite salário do funcionário :"), {120, 120}, Pt12);
    Salario_ = addTextBox(QStringLiteral("Salário"), QString(), {3240, 120, 1215, 375});
    describe(Salario_, QStringLiteral("Salário do funcionário"), label(QStringLiteral("Label1")));
    // The prompt is wider in this face than its place allows: the box stands after its colon, and
    // it is wide enough for the widest salary.
    keepClearOf(Salario_, label(QStringLiteral("Label1")), 4);
    const int salaryWidth = widthToShow(Salario_, Salario_->width(), WidestSalary);
    Salario_->resize(qMax(Salario_->width(), salaryWidth), Salario_->height());
    ValX_ = addValueLabel(QStringLiteral("ValX"), 360, 720, Pt12, ole::DarkBlue);
    CmdSolve_ = addButton(QStringLiteral("CmdSolve"), QStringLiteral("Resolver"), {3600, 840, 975, 375});
    solveLeft_ = CmdSolve_->x();
    buildPanel();
    addLabel(QStringLiteral("Label3"), QStringLiteral("Salário reajustado é :"), {240, 5040}, Pt12);
    Resp_ = addValueLabel(QStringLiteral("Resp"), 2640, 5040, Pt135Bold, ole::Blue);
    keepClearOf(Resp_, label(QStringLiteral("Label3")), 4);
    Command1_ = addButton(QStringLiteral("Command1"), QStringLiteral("Novo cálculo"), {720, 5640, 2415, 375}, Pt135);

    growToFit();

    setTabOrder({Salario_, CmdSolve_, Command1_});
    setNewCalculationCommand(Command1_);
    setCalculateCommand(CmdSolve_);
    onClick(CmdSolve_, [this] { CmdSolve_Click(); });
    onClick(Command1_, [this] { Command1_Click(); });
    // Also after a run-time error stopped the click half-way.
    onClick(CmdSolve_, [this] { fitAnswer(); });
    onClick(Command1_, [this] { fitAnswer(); });
}

void SalaryForm::fitAnswer()
{
    // A long echo pushes "Resolver" to its right (it stands on the echo's row); the window
    // grows for the echo and the adjusted salary.
    const int afterEcho = caption(ValX_).isEmpty() ? 0 : ValX_->geometry().right() + 1 + px(120);
    CmdSolve_->move(qMax(solveLeft_, afterEcho), CmdSolve_->y());
    growToFit();
}

void SalaryForm::buildPanel()
{
    addLabels({
        {"Label2(0)", "Se ( X < 200  ) então", 480, 1320, 0, 0, Panel, Resting},
        {"sal1", "X=  1.4  * X", 960, 1680, 0, 0, Panel, Resting},
        {"Label2(2)", "Senão", 600, 2040, 0, 0, Panel, Resting},
        {"Label2(3)", "Se   ( X >= 200  )   e   ( X < 1000)      então", 1080, 2280, 0, 0, Panel, Resting},
        {"Sal2", " X = 1.3 *  X", 1440, 2760, 0, 0, Panel, Resting},
        {"Label2(5)", "Senão", 1080, 3120, 0, 0, Panel, Resting},
        {"Sal3", " X = 1.2 *  X", 1320, 3600, 0, 0, Panel, Resting},
        {"Label2(7)", "Fim_Se", 1080, 4080, 0, 0, Panel, Resting},
        {"Label2(8)", "Fim_Se", 480, 4560, 0, 0, Panel, Resting},
    });
    sal1_ = label(QStringLiteral("sal1"));
    Sal2_ = label(QStringLiteral("Sal2"));
    Sal3_ = label(QStringLiteral("Sal3"));

    // Brackets: the outer "Se" to the outer "Fim_Se", the inner "Se" to the inner "Fim_Se";
    // each a vertical stroke with a slant towards the line it opens and the line it closes. The
    // inner slants stop 45 twips short of their lines' text.
    addLine(QStringLiteral("Line1(0)"), 120, 1680, 120, 4320);
    addLine(QStringLiteral("Line2(0)"), 120, 1680, 360, 1440);
    addLine(QStringLiteral("Line3(0)"), 120, 4320, 360, 4680);
    addLine(QStringLiteral("Line1(1)"), 960, 2640, 960, 3960);
    addLine(QStringLiteral("Line2(1)"), 960, 2640, 1080 - 45, 2400);
    addLine(QStringLiteral("Line3(1)"), 960, 3960, 1080 - 45, 4200);
}

void SalaryForm::CmdSolve_Click()
{
    CmdSolve_->setEnabled(false);
    Salario_->setEnabled(false);

    const QString typed = caption(Salario_);
    if (typed.isEmpty()) {
        messageBox(QStringLiteral("Digite um valor válido !!!"), OkOnly, QStringLiteral("Cálculo do Salário"));
        Command1_Click();
        return;
    }

    X = num::textToCurrency(ss(typed));
    setCaption(ValX_, QStringLiteral("Valor de X = ") + typed);
    const double x = X.toDouble();
    if (x < 200) {
        X = adjusted(X, 1.4);
        setForeColor(sal1_, Lit);
    } else if (x < 200 || x >= 1000) {
        X = adjusted(X, 1.2);
        setForeColor(Sal3_, Lit);
    } else {
        X = adjusted(X, 1.3);
        setForeColor(Sal2_, Lit);
    }
    setCaption(Resp_, qs(num::displayCurrency(X)));
    // The inputs stay disabled until "Novo cálculo".
}

void SalaryForm::Command1_Click()
{
    rest({sal1_, Sal2_, Sal3_});
    clear({Resp_, ValX_});
    setCaption(Salario_, QString());
    CmdSolve_->setEnabled(true);
    Salario_->setEnabled(true);
    Salario_->setFocus(Qt::OtherFocusReason);
}

Form* createSalary() { return new SalaryForm; }

}  // namespace problems
