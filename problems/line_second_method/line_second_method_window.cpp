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

    std::vector<std::pair<QWidget*, int>> pointPlaces_;  // where the points' rows start, in pixels
};

LineSecondMethodWindow::LineSecondMethodWindow()
    : Form(QStringLiteral("EquaçãoReta"), QStringLiteral("Equação Da reta ( versão 2 )"), 7710, 8040)
{
    addControls({
        // Each point reads "A = ( x , y )", the boxes between the parentheses: the words around
        // them are labels of their own, so that a wide box never hides one.
        {C::Label, "Label1(0)", "A = (", {360, 480}, Pt135Bold},
        {C::TextBox, "X(0)", "-1", {1080, 510, 490, 375}, PanelBold},
        {C::Label, "Vírgula(0)", ",", {1560, 480}, Pt135Bold},
        {C::TextBox, "Y(0)", "2", {1800, 510, 490, 375}, PanelBold},
        {C::Label, "Parêntese(0)", ")", {2280, 480}, Pt135Bold},
        {C::Label, "Label1(1)", "B = (", {3120, 480}, Pt135Bold},
        {C::TextBox, "X(1)", "1", {3840, 480, 490, 375}, PanelBold},
        {C::Label, "Vírgula(1)", ",", {4320, 480}, Pt135Bold},
        {C::TextBox, "Y(1)", "3", {4560, 480, 490, 375}, PanelBold},
        {C::Label, "Parêntese(1)", ")", {5040, 480}, Pt135Bold},
        {C::Button, "Cmd_Calculo", "Calcular", {6720, 360, 1455, 855}},

        // The pseudo-code panel.
        {C::Label, "Label3(0)", "Algorítmo Equação_Reta", {360, 960}, Panel, ole::Blue},
        {C::Label, "Label3(1)", "Inteiro : X0, X1, Y0, Y1 , a, b, c", {600, 1320}, Panel},
        {C::Label, "Label3(2)", "Literal : Sinal1*1 , Sinal2*1,  Sinal3 *1", {600, 1680}, Panel},
        {C::Label, "Label3(3)", "Início", {600, 2040}, Panel},
        {C::Label, "Label2(0)", "Se  ( X1 - X0 = 0 )  então", {840, 2400}, Panel},
        {C::Label, "Label2(1)", "Escreva ( \"Impossível Calcular !!!)", {1440, 2880}, Panel},
        {C::Label, "Label2(2)", "Senão", {960, 3240}, Panel},
        {C::Label, "Label2(3)", "a = X1 - X0 =", {1440, 3600}, Panel},
        {C::Label, "Label2(4)", "b = Y1 - Y0 =", {1440, 3960}, Panel},
        {C::Label, "Label2(5)", "c = - b * X0  +  a *  Y0   =", {1440, 4320}, Panel},
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
        {C::Value, "Wa", "", {2640, 3600}},
        {C::Value, "Wb", "", {2640, 3960}},
        {C::Value, "Wc", "", {3600, 4320}},
        {C::Value, "Resp", "", {AnswerLeft, 6840}, Pt12Bold},
    });
    keepClearOf(label(QStringLiteral("Wa")), label(QStringLiteral("Label2(3)")), px(30));
    keepClearOf(label(QStringLiteral("Wb")), label(QStringLiteral("Label2(4)")), px(30));
    keepClearOf(label(QStringLiteral("Wc")), label(QStringLiteral("Label2(5)")), px(30));

    QLineEdit* const x0 = textBox(QStringLiteral("X(0)"));
    QLineEdit* const y0 = textBox(QStringLiteral("Y(0)"));
    QLineEdit* const x1 = textBox(QStringLiteral("X(1)"));
    QLineEdit* const y1 = textBox(QStringLiteral("Y(1)"));
    describe(x0, QStringLiteral("Abscissa do ponto A"));
    describe(y0, QStringLiteral("Ordenada do ponto A"));
    describe(x1, QStringLiteral("Abscissa do ponto B"));
    describe(y1, QStringLiteral("Ordenada do ponto B"));
    QPushButton* const calculate = button(QStringLiteral("Cmd_Calculo"));
    setTabOrder({calculate, y1, y0, x1, x0});
    // A longer coordinate widens the boxes as it is typed; a shorter one narrows them again.
    for (QLineEdit* box : {x0, y0, x1, y1})
        connect(box, &QLineEdit::textChanged, this, [this] {
            layOutPoints();
            rearrange();
        });

    // Every click is a whole run; nothing is taken away.
    setRun(std::make_unique<LineSecondMethod>(),
           {.calculate = QStringLiteral("Cmd_Calculo"), .end = RunSpec::End::Stay});
    // The answer is placed as the click writes it, so that the step the desk check keeps is the
    // window as laid out.
    arrangeOnResize({label(QStringLiteral("Resp"))});
}

void LineSecondMethodWindow::layOutPoints()
{
    // Each box is wide enough for the widest coordinate; what follows it on the row follows on
    // from it, never nearer than its place above.
    QPushButton* const calculate = button(QStringLiteral("Cmd_Calculo"));
    if (pointPlaces_.empty()) {
        for (int row = 0; row < 2; ++row)
            for (const char* name : {"Label1(%1)", "X(%1)", "Vírgula(%1)", "Y(%1)", "Parêntese(%1)"})
                if (QWidget* cell = control(QString::fromUtf8(name).arg(row)))
                    pointPlaces_.emplace_back(cell, cell->x());
        pointPlaces_.emplace_back(calculate, calculate->x());
    }
    for (const auto& [cell, x] : pointPlaces_)
        cell->move(x, cell->y());
    QLineEdit* const first = textBox(QStringLiteral("X(0)"));
    const int tableWidth = px(490);  // the boxes' width in the window's table
    int boxWidth = widthToShow(first, tableWidth, WidestCoordinate);
    for (const char* name : {"X(0)", "Y(0)", "X(1)", "Y(1)"})
        boxWidth = qMax(boxWidth, widthToShow(first, tableWidth, textBox(QString::fromUtf8(name))->text()));
    const int gap = 3;
    int end = 0;
    for (int i = 0; i < 2; ++i) {
        QLineEdit* const x = textBox(QStringLiteral("X(%1)").arg(i));
        QLineEdit* const y = textBox(QStringLiteral("Y(%1)").arg(i));
        QWidget* row[5] = {label(QStringLiteral("Label1(%1)").arg(i)), x, label(QStringLiteral("Vírgula(%1)").arg(i)),
                           y, label(QStringLiteral("Parêntese(%1)").arg(i))};
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
    QLabel* const answer = label(QStringLiteral("Resp"));
    const int room = px(designWidth()) - px(120) - answer->width();
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
