// The window of the linear system: the system as the student writes it, the determinants
// worked out, and the panel of its pseudo-code.
#include "problems/linear_system/linear_system.h"

#include "framework/form.h"
#include "problems/problems.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace problems {

using namespace linear_system_controls;

using namespace framework;
using C = ControlSpec;

namespace {
// The widest coefficient a box is made to show whole: six significant digits, two of them
// decimals, and a sign.
const QString WidestCoefficient = QStringLiteral("-0000,00");
}  // namespace

class LinearSystemWindow : public Form {
public:
    LinearSystemWindow();

protected:
    // The worked determinants and the answers may be wider than the window: it grows to show
    // them (also after a run-time error stopped the click half-way).
    void arrange() override { growToFit(); }

private:
    // The boxes of the system wide enough for their coefficients, and what follows them.
    void layOutEquations();
};

LinearSystemWindow::LinearSystemWindow() : Form(QStringLiteral("Sistema"), QStringLiteral("Sistema"), 6075, 6825)
{
    addControls({
        // The system, as the student writes it.
        {C::TextBox, Box::A1, "", {360, 120, 500, 420}, Pt12Bold},
        {C::Label, Text::X1, "x +", {960, 120}, Pt135},
        {C::TextBox, Box::B1, "", {1440, 120, 500, 420}, Pt12Bold},
        {C::Label, Text::Y1, "y =", {2160, 120}, Pt135},
        {C::TextBox, Box::C1, "", {2760, 120, 500, 420}, Pt12Bold},
        {C::TextBox, Box::A2, "", {360, 720, 500, 420}, Pt12Bold},
        {C::Label, Text::X2, "x +", {960, 720}, Pt135},
        {C::TextBox, Box::B2, " ", {1440, 720, 500, 420}, Pt12Bold},
        {C::Label, Text::Y2, "y =", {2160, 720}, Pt135},
        {C::TextBox, Box::C2, "", {2760, 720, 500, 420}, Pt12Bold},
        {C::Button, Cmd::Calculate, "Cálcule", {3720, 240, 1215, 735}},

        // The determinants, worked out.
        {C::Label, "Label4", "Cálculo dos determinantes :", {360, 1440}, Pt12Bold, ole::Blue},
        {C::Label, Line::Det, "Det  =", {360, 1800}, Panel, ole::Red},
        {C::Label, Line::DetA1, "Det_A1 =", {360, 2160}, Panel, ole::Red},
        {C::Label, Line::DetA2, "Det _A2 =", {360, 2520}, Panel, ole::Red},

        // The pseudo-code panel.
        {C::Label, Line::IfDet0, "Se  ( Det =  0 )  então", {480, 2880}, Panel},
        {C::Label, Line::IfBothDets0, "Se  ( Det_A1 = 0 ) e ( Det_A2 = 0 )   então", {1200, 3240}, Panel},
        {C::Label, Line::Indeterminate, "Sistema possível e indeterminado", {1680, 3600}, Panel},
        {C::Label, Line::ElseIfADet, "Senão-Se  ( Det_A1 <>  0 )  ou  ( Det_A2 <>  0 ) então", {1200, 4080}, Panel},
        {C::Label, Line::Impossible, "Sistema imposssível de determinar", {1680, 4560}, Panel},
        {C::Label, "Label3(5)", "Fim_Se", {1200, 4920}, Panel},
        {C::Label, "Label3(6)", "Senão", {600, 5280}, Panel},
        {C::Label, Line::XIs, "X  =  Det_A1 / Det   = ", {1080, 5640}, Panel},
        {C::Label, Val::X, "", {3000, 5520}, Pt12Bold},
        {C::Label, Line::YIs, "Y  =  Det_A2 / Det   =", {1080, 6120}, Panel},
        {C::Label, Val::Y, "", {3000, 6120}, Pt12Bold},
        {C::Label, "Label3(11)", "Fim_Se", {480, 6480}, Panel},
    });
    // The brace before the system.
    addLine(QStringLiteral("Line1"), 120, 120, 120, 1080, 2);
    addLine(QStringLiteral("Line3"), 120, 120, 360, 0, 2);
    addLine(QStringLiteral("Line2"), 120, 1080, 360, 1320, 2);
    // Brackets, each a vertical stroke with a slant towards the line it opens and the line it
    // closes: "Se ( Det = 0 )" to the last "Fim_Se", the inner "Se" to its "Fim_Se".
    addLine(QStringLiteral("Line4"), 120, 3240, 120, 6240);
    addLine(QStringLiteral("Line5"), 120, 3240, 360, 3000);
    addLine(QStringLiteral("Line6"), 120, 6240, 360, 6600);
    addLine(QStringLiteral("Line7"), 960, 3480, 960, 4800);
    addLine(QStringLiteral("Line8"), 960, 3480, 1080, 3360);
    addLine(QStringLiteral("Line9"), 960, 4800, 1080, 5040);

    for (auto [box, what] : {std::pair{Box::A1, "Coeficiente a1"}, {Box::B1, "Coeficiente b1"}, {Box::C1, "Termo c1"},
                              {Box::A2, "Coeficiente a2"}, {Box::B2, "Coeficiente b2"}, {Box::C2, "Termo c2"}})
        describe(textBox(box), QString::fromUtf8(what));
    layOutEquations();
    // x and y stand after their lines' text, which this face makes wider than their places allow.
    keepClearOf(label(Val::X), label(Line::XIs), 4);
    keepClearOf(label(Val::Y), label(Line::YIs), 4);

    setTabOrder({textBox(Box::A1), textBox(Box::B1), textBox(Box::A2),
                 textBox(Box::B2), textBox(Box::C1), textBox(Box::C2),
                 button(Cmd::Calculate)});
    setRun(std::make_unique<LinearSystem>(), {.calculate = Cmd::Calculate, .end = RunSpec::End::Stay});
    arrangeOnResize({label(Line::Det), label(Line::DetA1), label(Line::DetA2), label(Val::X), label(Val::Y)});
}

void LinearSystemWindow::layOutEquations()
{
    // Each box is wide enough for the widest coefficient; the words between the boxes, the
    // next box and "Cálcule" follow on from it, never nearer than their places above.
    QLineEdit* const a1 = textBox(Box::A1);
    const int boxWidth = widthToShow(a1, a1->width(), WidestCoefficient);
    const int gap = px(60);
    int end = 0;
    const Name equations[2][5] = {{Box::A1, Text::X1, Box::B1, Text::Y1, Box::C1},
                                  {Box::A2, Text::X2, Box::B2, Text::Y2, Box::C2}};
    for (const auto& e : equations) {
        QLineEdit* boxes[3] = {textBox(e[0]), textBox(e[2]), textBox(e[4])};
        for (QLineEdit* box : boxes)
            box->resize(qMax(box->width(), boxWidth), box->height());
        QLabel* words[2] = {label(e[1]), label(e[3])};
        for (int i = 0; i < 2; ++i) {
            words[i]->move(qMax(words[i]->x(), boxes[i]->geometry().right() + 1 + gap), words[i]->y());
            const int wordsEnd = words[i]->x() + QFontMetrics(words[i]->font()).horizontalAdvance(caption(words[i]));
            boxes[i + 1]->move(qMax(boxes[i + 1]->x(), wordsEnd + gap), boxes[i + 1]->y());
        }
        end = qMax(end, boxes[2]->geometry().right() + 1);
    }
    QPushButton* const calculate = button(Cmd::Calculate);
    calculate->move(qMax(calculate->x(), end + px(240)), calculate->y());
}

framework::Form* createLinearSystem() { return new LinearSystemWindow; }

}  // namespace problems
