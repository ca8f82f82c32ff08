// The window of the table of f(x): its controls, the panel of its pseudo-code, how it makes
// room for long numbers and rows, and how a run goes on it.
#include "problems/function_table/function_table.h"

#include "framework/form.h"
#include "problems/problems.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <algorithm>
#include <utility>
#include <vector>

namespace problems {

using namespace function_table_controls;

using namespace framework;
using C = ControlSpec;

namespace {
// The least room between a value and what it pushes along its row, and between two lists.
constexpr int kGap = 120;
constexpr int kListGap = 105;
}  // namespace

class FunctionTableWindow : public Form {
public:
    FunctionTableWindow();

private:
    // A horizontal rule of the tables, made from x1 to x2 at the height y (twips).
    struct Rule {
        LineControl* line;
        int x1, y, x2;
        // Makes the rule reach `right` (pixels), or only its own end x2 when that is enough.
        void reach(int right);
    };

    // Makes room for what the boxes, values and lists hold now: the boxes as wide as their
    // texts, the values pushing what follows them, the lists side by side with the box and
    // rules around them, the window around it all.
    void arrange() override;

    QLineEdit *a_, *b_, *n_;
    QPushButton *Command1_, *CmdNovo_;
    QLabel *Interv_, *X_, *bb_;
    QListWidget *Xfinal_, *fx_, *Cont1_, *Cont2_, *X1_, *a1_, *cont3_, *int1_;

    // What arrange() moves, with where its table puts it.
    LineControl *Line12_, *Line13_, *Line14_, *Line15_, *Line16_, *boxRight_;
    std::vector<Rule> boxRules_, contRules_, stepRules_;
};

void FunctionTableWindow::Rule::reach(int right)
{
    // A table wider than its rule: the rule runs on to its new end.
    line->setEnds(x1, y, qMax(x2, twips(right)), y);
}

FunctionTableWindow::FunctionTableWindow()
    : Form(QStringLiteral("Intervalo"), QStringLiteral("Intevalo_Fechado"), 6720, 7125)
{
    addControls({
        {C::Label, Text::Prompt, "Digite dois números distintos na ordem crescente :", {360, 360}},
        {C::Label, Text::BoxNames, "a      b", {5160, 0}, PanelBold},
        {C::TextBox, Box::A, "2", {5040, 240, 375, 375}, PanelBold},
        {C::TextBox, Box::B, "8", {5520, 240, 375, 375}, PanelBold},
        {C::Label, Text::CountPrompt, "Digite a quantidade de números espaçados no intervalo :", {360, 960}},
        {C::Label, "Label4", "n", {5640, 720}, PanelBold},
        {C::TextBox, Box::N, "2", {5520, 960, 375, 375}, PanelBold},
        {C::Button, Cmd::Calculate, "Calcule", {4200, 1560, 1935, 495}, Pt135},
        {C::Button, Cmd::NewCalculation, "Novo Cálculo", {4800, 5880, 1335, 495}},

        // The pseudo-code panel.
        {C::Label, Line::Intervalo, "Intervalo = ( b-a ) / n =", {240, 1440}, Panel},
        {C::Label, "Label1(3)", "X = a =", {480, 1800}, Panel},
        {C::Label, "Label1(4)", "Cont = 0", {360, 2160}, Panel},
        {C::Label, Line::DoWhile, "Faça enquanto  X < =b", {600, 2400}, Panel},
        {C::Label, Line::IfXBelowMinus3, "Se x < -3 então", {960, 2640}, Panel},
        {C::Label, Line::FxBelow, "Fx = 2 * X - 3", {1440, 2880}, Panel},
        {C::Label, "Label1(8)", "Senão", {1200, 3120}, Panel},
        {C::Label, Line::IfXAbove3, "Se x > 3 então", {1200, 3360}, Panel},
        {C::Label, Line::FxAbove, "Fx = 2 * X - 9", {1800, 3600}, Panel},
        {C::Label, Line::Else, "Senão", {1560, 3840}, Panel},
        {C::Label, Line::FxBetween, "Fx = (- X ^ 2 ) /3", {1800, 4080}, Panel},
        {C::Label, "Label1(13)", "Fim_se", {1320, 4320}, Panel},
        // These two stand 30 twips higher than their lines' spacing would put them, clear of the rule over their lists
        // in the taller face used here.
        {C::Label, "Label1(15)", "Cont   =   Cont + 1", {1080, 4650}, Panel},
        {C::Label, "Label1(16)", " X    =       a        +     cont    *  intervalo", {1320, 5610}, Panel},
        {C::Label, "Label1(14)", "Fim_se", {960, 6600}, Panel},
        {C::Label, Line::EndDo, "Fim_Faça", {600, 6840}, Panel},

        // Values shown beside the panel lines.
        {C::Value, Val::Intervalo, "", {2160, 1440}, Pt12Bold},
        {C::Value, Val::X, "", {1200, 1800}, Pt12Bold},
        {C::Label, Text::BIs, "b =", {2880, 1800}},
        {C::Value, Val::B, "", {3240, 1800}, Default, ole::ButtonText},

        // The result area. The answer columns widen for their rows; the box around them
        // follows (arrange()).
        {C::Label, Text::Answer, "Resposta", {4800, 2520}, Default, ole::Blue},
        {C::Label, Text::XHeading, "x", {4470, 2880}, Pt12Bold},
        {C::Label, Text::FxHeading, "f(x)", {5415, 2880}, Pt12Bold},
        {C::List, List::X, "", {3960, 3360, 975, 1260}, Pt12Bold},
        {C::List, List::Fx, "", {5400, 3360, 975, 1260}, Pt12Bold},

        // The loop's bookkeeping, under the lines that compute it.
        {C::List, List::Cont1, "", {1080, 4920, 495, 645}},
        {C::List, List::Cont2, "", {1800, 4920, 615, 645}},
        {C::List, List::X1, "", {960, 5880, 735, 645}},
        {C::List, List::A, "", {1800, 5880, 735, 645}},
        {C::List, List::Cont3, "", {2760, 5880, 615, 645}},
        {C::List, List::Intervalo, "", {3600, 5880, 495, 645}},
    });
    a_ = textBox(Box::A);
    b_ = textBox(Box::B);
    n_ = textBox(Box::N);
    Command1_ = button(Cmd::Calculate);
    CmdNovo_ = button(Cmd::NewCalculation);
    Interv_ = label(Val::Intervalo);
    X_ = label(Val::X);
    bb_ = label(Val::B);
    Xfinal_ = listBox(List::X);
    fx_ = listBox(List::Fx);
    Cont1_ = listBox(List::Cont1);
    Cont2_ = listBox(List::Cont2);
    X1_ = listBox(List::X1);
    a1_ = listBox(List::A);
    cont3_ = listBox(List::Cont3);
    int1_ = listBox(List::Intervalo);

    describe(a_, QStringLiteral("Início do intervalo, a"), label(Text::Prompt));
    describe(b_, QStringLiteral("Fim do intervalo, b"));
    describe(n_, QStringLiteral("Quantidade de partes, n"), label(Text::CountPrompt));
    for (QLineEdit* box : {a_, b_, n_})
        connect(box, &QLineEdit::textChanged, this, [this] { rearrange(); });
    keepClearOf(Interv_, label(Line::Intervalo));
    for (framework::Name heading : {Text::XHeading, Text::FxHeading})
        label(heading)->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    // Brackets: "Faça enquanto" to "Fim_Faça", the outer "Se" to its "Fim_se", the inner
    // "Se" to its "Fim_se"; each tick stops just short of its line. The strokes stand 15
    // twips further left than usual; the two inner brackets keep their indexed names
    // (Line4(0) ..), so they are drawn line by line.
    addBrackets(1, {{Line::DoWhile, Line::EndDo, 480}});
    addLine(QStringLiteral("Line4(0)"), 840, 2760, 915, 2760);
    addLine(QStringLiteral("Line4(1)"), 840, 2760, 840, 6720);
    addLine(QStringLiteral("Line4(2)"), 840, 6720, 915, 6720);
    addLine(QStringLiteral("Line5(0)"), 1080, 3480, 1155, 3480);
    addLine(QStringLiteral("Line5(1)"), 1080, 3480, 1080, 4440);
    addLine(QStringLiteral("Line5(2)"), 1080, 4440, 1275, 4440);
    // Rules over and under the two groups of lists, and dividers between their columns.
    const auto rule = [this](const char* name, int x1, int y, int x2, int width = 1, OleColor color = ole::Black) {
        return Rule{addLine(QString::fromUtf8(name), x1, y, x2, y, width, color), x1, y, x2};
    };
    contRules_ = {rule("Line7", 1020, 4920, 2475), rule("Line8", 1020, 5595, 2475)};
    stepRules_ = {rule("Line9", 900, 5880, 4155), rule("Line10", 900, 6555, 4155)};
    const auto divider = [this](const char* name, int x, int y1, int y2, int width = 1, OleColor color = ole::Black) {
        return addLine(QString::fromUtf8(name), x, y1, x, y2, width, color);
    };
    Line13_ = divider("Line13", 1688, 4920, 5595);
    Line14_ = divider("Line14", 1748, 5880, 6555);
    Line15_ = divider("Line15", 2648, 5880, 6555);
    Line16_ = divider("Line16", 3488, 5880, 6555);
    // The box around the result area.
    boxRules_ = {rule("Line6(0)", 3840, 2760, 6480, 3, ole::Blue), rule("Line6(1)", 3840, 4800, 6480, 3, ole::Blue)};
    addLine(QStringLiteral("Line6(2)"), 3840, 2760, 3840, 4800, 3, ole::Blue);
    boxRight_ = divider("Line6(3)", 6480, 2760, 4800, 3, ole::Blue);
    boxRules_.push_back(rule("Line11", 3840, 3240, 6480, 3, ole::Blue));
    Line12_ = divider("Line12", 5160, 2760, 4800, 3, ole::Blue);

    setTabOrder({a_, b_, n_, Command1_, CmdNovo_});
    setRun(std::make_unique<FunctionTable>(),
           {.calculate = Cmd::Calculate,
            .newCalculation = Cmd::NewCalculation,
            .offerNewFirst = true,
            .lockedWhileRunning = {Box::A, Box::B, Box::N},
            .clearedByNew = {Box::A, Box::B, Box::N, Val::X,
                             Val::Intervalo, List::X, List::Fx,
                             List::Cont1, List::Cont2, List::X1,
                             List::A, List::Cont3, List::Intervalo},
            .focusOnNew = Box::A,
            // "Novo Cálculo" is taken away while the table is under way.
            .stages = {{"running", {{RunSpec::Change::Disable, Cmd::NewCalculation}}}}});

    // Whatever writes a value or a row (a click, the end of a run by an error, the reset of
    // the panel), the window makes room for it at once.
    arrangeOnResize({Interv_, X_, bb_, Xfinal_, fx_, Cont1_, Cont2_, X1_, a1_, cont3_, int1_});
}

void FunctionTableWindow::arrange()
{
    const int gap = px(kGap);
    const int listGap = px(kListGap);


    // The boxes as wide as their texts; b and the headings over a and b move along with a.
    const int aGrown = widenToText(a_);
    standShifted(b_, aGrown);
    widenToText(b_);
    standShifted(label(Text::BoxNames), aGrown);
    widenToText(n_);

    // "X = a =": a long a pushes "b =" and b along; "Calcule" stands right of the step and of b.
    QLabel* bLabel = label(Text::BIs);
    followOn({X_, bLabel}, gap);
    standShifted(bb_, bLabel->x() - tablePlace(bLabel).x());
    Command1_->move(std::max({tablePlace(Command1_).x(), rightOf(Interv_) + gap, rightOf(bb_) + gap}), Command1_->y());

    // The result columns side by side; the divider, the headings and the box follow them.
    const auto strokeAt = [](const LineControl* line) { return tableStrokeStart(line).x(); };
    const int divider = qMax(strokeAt(Line12_), rightOf(Xfinal_) + px(120));
    fx_->move(divider + px(240), fx_->y());
    const int right = qMax(strokeAt(boxRight_), rightOf(fx_) + px(60));
    const int rightGrew = right - strokeAt(boxRight_);
    standShifted(Line12_, divider - strokeAt(Line12_));
    standShifted(boxRight_, rightGrew);
    for (Rule& r : boxRules_)
        r.reach(right);
    // Each heading over the middle of its column.
    const auto overMiddle = [](QLabel* heading, const QListWidget* column) {
        standShifted(heading, column->x() - tablePlace(column).x() + (column->width() - tablePlace(column).width()) / 2);
    };
    overMiddle(label(Text::XHeading), Xfinal_);
    overMiddle(label(Text::FxHeading), fx_);
    standShifted(label(Text::Answer), rightGrew / 2);

    // The loop's lists side by side, a divider in the middle of each gap, the rules over and
    // under them as long as the row; "Novo Cálculo" stands clear of them.
    const auto between = [](QWidget* line, QListWidget* left, QListWidget* next) {
        const int tableMiddle = (tablePlace(left).x() + tablePlace(left).width() + tablePlace(next).x()) / 2;
        standShifted(line, (rightOf(left) + next->x()) / 2 - tableMiddle);
    };
    followOn({Cont1_, Cont2_}, listGap);
    between(Line13_, Cont1_, Cont2_);
    for (Rule& r : contRules_)
        r.reach(rightOf(Cont2_) + px(60));
    followOn({X1_, a1_, cont3_, int1_}, listGap);
    between(Line14_, X1_, a1_);
    between(Line15_, a1_, cont3_);
    between(Line16_, cont3_, int1_);
    const int rowEnd = qMax(px(stepRules_.front().x2), rightOf(int1_) + px(60));
    for (Rule& r : stepRules_)
        r.reach(rowEnd);
    CmdNovo_->move(qMax(tablePlace(CmdNovo_).x(), rowEnd + gap), CmdNovo_->y());

    growToFit();
}

framework::Form* createFunctionTable() { return new FunctionTableWindow; }

}  // namespace problems
