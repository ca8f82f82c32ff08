// The window of the second method for the line through two points: its controls, the panel of
// its pseudo-code, and where the answer stands.
#include "problems/line_second_method/line_second_method.h"

#include "framework/form.h"
#include "problems/problems.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace problems {

using namespace line_second_method_controls;

using namespace framework;
using C = ControlSpec;

namespace {
// The widest coordinate a box is made to show whole: six significant digits, two of them
// decimals, and a sign.
const QString WidestCoordinate = QStringLiteral("-0000,00");
// The place of the answer, and how far left it may go for a long one: under the start
// of its "Escreva" line, clear of the brackets that run below that line's column.
constexpr int AnswerLeft = 7200, AnswerLeftmost = 6120;
}  // namespace

class LineSecondMethodWindow : public Form {
public:
    LineSecondMethodWindow();

protected:
    // The answer placed again for what the window shows: as a click writes it, after going
    // back a step, after a zoom.
    void arrange() override { placeAnswer(); }

private:
    void buildBrackets();
    // The boxes of the two points wide enough for their coordinates (the widest of the four
    // typed, six significant digits at least), and what follows them.
    void layOutPoints();
    // The answer clear of the window's edge, the window as wide as the widest answer at least.
    void placeAnswer();

};

LineSecondMethodWindow::LineSecondMethodWindow()
    : Form(QStringLiteral("EquaçãoReta"), QStringLiteral("Equação Da reta ( versão 2 )"), 7710, 8040)
{
    addControls({
        // Each point reads "A = ( x , y )", the boxes between the parentheses: the words around
        // them are labels of their own, so that a wide box never hides one.
        {C::Label, Text::OpenA, "A = (", {360, 480}, Pt135Bold},
        {C::TextBox, Box::X0, "-1", {1080, 510, 490, 375}, PanelBold},
        {C::Label, Text::CommaA, ",", {1560, 480}, Pt135Bold},
        {C::TextBox, Box::Y0, "2", {1800, 510, 490, 375}, PanelBold},
        {C::Label, Text::CloseA, ")", {2280, 480}, Pt135Bold},
        {C::Label, Text::OpenB, "B = (", {3120, 480}, Pt135Bold},
        {C::TextBox, Box::X1, "1", {3840, 480, 490, 375}, PanelBold},
        {C::Label, Text::CommaB, ",", {4320, 480}, Pt135Bold},
        {C::TextBox, Box::Y1, "3", {4560, 480, 490, 375}, PanelBold},
        {C::Label, Text::CloseB, ")", {5040, 480}, Pt135Bold},
        {C::Button, Cmd::Calculate, "Calcular", {6720, 360, 1455, 855}},

        // The pseudo-code panel.
        {C::Label, "Label3(0)", "Algorítmo Equação_Reta", {360, 960}, Panel, ole::Blue},
        {C::Label, "Label3(1)", "Inteiro : X0, X1, Y0, Y1 , a, b, c", {600, 1320}, Panel},
        {C::Label, "Label3(2)", "Literal : Sinal1*1 , Sinal2*1,  Sinal3 *1", {600, 1680}, Panel},
        {C::Label, "Label3(3)", "Início", {600, 2040}, Panel},
        {C::Label, "Label2(0)", "Se  ( X1 - X0 = 0 )  então", {840, 2400}, Panel},
        {C::Label, Line::Impossible, "Escreva ( \"Impossível Calcular !!!)", {1440, 2880}, Panel},
        {C::Label, "Label2(2)", "Senão", {960, 3240}, Panel},
        {C::Label, Line::A, "a = X1 - X0 =", {1440, 3600}, Panel},
        {C::Label, Line::B, "b = Y1 - Y0 =", {1440, 3960}, Panel},
        {C::Label, Line::C, "c = - b * X0  +  a *  Y0   =", {1440, 4320}, Panel},
        {C::Label, "Label2(6)", "Se a > 0 então", {1440, 4800}, Panel},
        {C::Label, "Label2(7)", "Sinal1 = \" \"", {1800, 5160}, Panel},
        {C::Label, "Label2(8)", "Senão", {1560, 5520}, Panel},
        {C::Label, "Label2(9)", "Sinal1 = \" - \"", {1800, 5880}, Panel},
        {C::Label, "Label2(10)", "a = - 1 * a", {1800, 6240}, Panel},
        {C::Label, "Label2(11)", "Fim_Se", {1440, 6600}, Panel},
        {C::Label, "Label2(12)", "Se b> 0 então", {6120, 2160}, Panel},
        {C::Label, "Label2(13)", "Sinal2 = \" \"", {6480, 2520}, Panel},
        {C::Label, "Label2(14)", "Senão", {6240, 2880}, Panel},
        {C::Label, "Label2(15)", "Sinal2 = \" - \"", {6480, 3240}, Panel},
        {C::Label, "Label2(16)", "b = - 1 * b", {6480, 3600}, Panel},
        {C::Label, "Label2(17)", "Fim_Se", {6120, 3960}, Panel},
        {C::Label, "Label2(23)", "Se c > 0 então", {6120, 4320}, Panel},
        {C::Label, "Label2(22)", "Sinal3 = \" + \"", {6480, 4680}, Panel},
        {C::Label, "Label2(21)", "Senão", {6240, 5040}, Panel},
        {C::Label, "Label2(20)", "Sinal3 = \" - \"", {6480, 5400}, Panel},
        {C::Label, "Label2(19)", "c = - 1 * c", {6480, 5760}, Panel},
        {C::Label, "Label2(18)", "Fim_Se", {6120, 6120}, Panel},
        {C::Label, "Label3(5)", "Escreva ( Sinal1 / a / \"Y = \" / Sinal2/ b / \"X \" / Sinal3  / c )", {6120, 6480}, Panel},
        {C::Label, "Label2(24)", "Fim_Se", {5760, 7320}, Panel},
        {C::Label, "Label3(4)", "Fim", {5520, 7680}, Panel},
    });
    layOutPoints();
    buildBrackets();
    addControls({
        {C::Value, Val::A, "", {2640, 3600}},
        {C::Value, Val::B, "", {2640, 3960}},
        {C::Value, Val::C, "", {3600, 4320}},
        {C::Value, Val::Answer, "", {AnswerLeft, 6840}, Pt12Bold},
    });
    keepClearOf(label(Val::A), label(Line::A), px(30));
    keepClearOf(label(Val::B), label(Line::B), px(30));
    keepClearOf(label(Val::C), label(Line::C), px(30));

    QLineEdit* const x0 = textBox(Box::X0);
    QLineEdit* const y0 = textBox(Box::Y0);
    QLineEdit* const x1 = textBox(Box::X1);
    QLineEdit* const y1 = textBox(Box::Y1);
    describe(x0, QStringLiteral("Abscissa do ponto A"));
    describe(y0, QStringLiteral("Ordenada do ponto A"));
    describe(x1, QStringLiteral("Abscissa do ponto B"));
    describe(y1, QStringLiteral("Ordenada do ponto B"));
    QPushButton* const calculate = button(Cmd::Calculate);
    setTabOrder({calculate, y1, y0, x1, x0});
    // A longer coordinate widens the boxes as it is typed; a shorter one narrows them again.
    for (QLineEdit* box : {x0, y0, x1, y1})
        connect(box, &QLineEdit::textChanged, this, [this] {
            layOutPoints();
            rearrange();
        });

    // Every click is a whole run; nothing is taken away.
    setRun(std::make_unique<LineSecondMethod>(),
           {.calculate = Cmd::Calculate, .end = RunSpec::End::Stay});
    // The answer is placed as the click writes it, so that the step the desk check keeps is the
    // window as laid out.
    arrangeOnResize({label(Val::Answer)});
}

void LineSecondMethodWindow::layOutPoints()
{
    // Each box is wide enough for the widest coordinate; what follows it on the row follows on
    // from it, never nearer than its place above.
    QPushButton* const calculate = button(Cmd::Calculate);
    for (const auto& point : Text::Points)
        for (Name name : point)
            control(name)->move(tablePlace(control(name)).x(), control(name)->y());
    calculate->move(tablePlace(calculate).x(), calculate->y());
    QLineEdit* const first = textBox(Box::X0);
    const int tableWidth = tablePlace(first).width();
    int boxWidth = widthToShow(first, tableWidth, WidestCoordinate);
    for (Name name : {Box::X0, Box::Y0, Box::X1, Box::Y1})
        boxWidth = qMax(boxWidth, widthToShow(first, tableWidth, textBox(name)->text()));
    const int gap = 3;
    int end = 0;
    for (int i = 0; i < 2; ++i) {
        const auto& point = Text::Points[i];
        QLineEdit* const x = textBox(point[1]);
        QLineEdit* const y = textBox(point[3]);
        QWidget* row[5] = {label(point[0]), x, label(point[2]), y, label(point[4])};
        row[0]->move(qMax(row[0]->x(), end + (i ? px(360) : 0)), row[0]->y());
        x->resize(boxWidth, x->height());
        y->resize(boxWidth, y->height());
        for (int k = 1; k < 5; ++k)
            row[k]->move(qMax(row[k]->x(), row[k - 1]->geometry().right() + 1 + gap), row[k]->y());
        end = row[4]->geometry().right() + 1;
    }
    calculate->move(qMax(calculate->x(), end + px(240)), calculate->y());
}

void LineSecondMethodWindow::placeAnswer()
{
    // The answer stands in its place while it fits the window at its own width; a longer
    // one moves left, as far as the start of its "Escreva" line, and beyond that the window
    // grows for it (and shrinks back for a shorter one).
    QLabel* const answer = label(Val::Answer);
    const int room = px(ownWidth()) - px(120) - answer->width();
    answer->move(qBound(px(AnswerLeftmost), room, px(AnswerLeft)), answer->y());
    growToFit();
}

void LineSecondMethodWindow::buildBrackets()
{
    // A bracket down the left of each "Se" block: a slanting stroke from the opening line, the
    // vertical, and a slanting stroke to the closing line.
    struct Bracket {
        int x, top, bottom, textLeft;
    };
    const Bracket blocks[3] = {
        {1320, 4800, 6600, 1440},  // Se a > 0
        {6000, 2160, 3960, 6120},  // Se b> 0
        {6000, 4320, 6120, 6120},  // Se c > 0
    };
    constexpr int toMiddle = 120;  // from a line's top to the middle of its text
    for (int i = 0; i < 3; ++i) {
        const Bracket& b = blocks[i];
        addLine(QStringLiteral("Line1(%1)").arg(i), b.textLeft - 30, b.top + toMiddle, b.x, b.top + toMiddle + 120);
        addLine(QStringLiteral("Line2(%1)").arg(i), b.x, b.top + toMiddle + 120, b.x, b.bottom + toMiddle - 120);
        addLine(QStringLiteral("Line3(%1)").arg(i), b.x, b.bottom + toMiddle - 120, b.textLeft - 30, b.bottom + toMiddle);
    }
    // The outer "Se" runs from the left column into the right one, to its "Fim_Se".
    addLine(QStringLiteral("Line4"), 810, 2400 + toMiddle, 720, 2400 + toMiddle + 120);
    addLine(QStringLiteral("Line5"), 720, 2400 + toMiddle + 120, 720, 6960);
    addLine(QStringLiteral("Line6"), 720, 6960, 5640, 6960);
    addLine(QStringLiteral("Line7"), 5640, 6960, 5730, 7320 + toMiddle);
    // "Início" to "Fim", in blue like the algorithm's heading.
    addLine(QStringLiteral("Line8"), 570, 2040 + toMiddle, 480, 2040 + toMiddle + 120, 1, ole::Blue);
    addLine(QStringLiteral("Line9"), 480, 2040 + toMiddle + 120, 480, 7080, 1, ole::Blue);
    addLine(QStringLiteral("Line10"), 480, 7080, 5400, 7080, 1, ole::Blue);
    addLine(QStringLiteral("Line11"), 5400, 7080, 5490, 7680 + toMiddle, 1, ole::Blue);
}

Form* createLineSecondMethod() { return new LineSecondMethodWindow; }

}  // namespace problems
