// The window of the largest and smallest of three numbers: the algorithm's panel, the three
// boxes inside its "Leia" line and the "Solução" frame.
#include "problems/largest_smallest/largest_smallest.h"

#include "framework/form.h"
#include "problems/problems.h"

#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace problems {

using namespace largest_smallest_controls;

using namespace framework;
using C = ControlSpec;

namespace {
// The widest number a box is made to show whole.
const QString WidestNumber = QStringLiteral("-1234567,25");
}  // namespace

class LargestSmallestWindow : public Form {
public:
    LargestSmallestWindow();

protected:
    // The "Solução" frame wide enough for its answer, and the window for the frame (also after
    // a run-time error stopped the click half-way).
    void arrange() override;

private:
    int frameWidth_;  // the frame's own width, in pixels
};

LargestSmallestWindow::LargestSmallestWindow()
    : Form(QStringLiteral("Maior_Menor_3"), QStringLiteral("Maior_menor_3"), 9885, 7830)
{
    addControls({
        // The pseudo-code panel.
        {C::Label, "Label1(0)", "Algoritmo Maior_Menor_de_Três", {480, 0}, Panel},
        {C::Label, "Label1(1)", "Inteiros : N1, N2, N3, Maior, Menor", {960, 360}, Panel},
        {C::Label, "Label1(18)", "Início", {600, 600}, Panel},
        {C::Label, "Label1(2)", "Escreva : (\" Digite três números inteiros : )", {840, 840}, Panel},
        {C::Label, Line::Read, "Leia  (  N1     ,    N2      ,   N3 )", {960, 1200}, Panel},
        {C::Label, Line::IfN1AboveN2, "Se N1 > N2 então", {1080, 2040}, Panel},
        {C::Label, Line::MaiorIsN1, "Maior = ", {1440, 2400}, Panel},
        {C::Label, Line::MenorIsN2, "Menor =", {1440, 2760}, Panel},
        {C::Label, Line::Else, "Senão", {1200, 3120}, Panel},
        {C::Label, Line::MaiorIsN2, "Maior = ", {1560, 3480}, Panel},
        {C::Label, Line::MenorIsN1, "Menor =", {1560, 3840}, Panel},
        {C::Label, "Label1(10)", "Fim_Se", {1080, 4080}, Panel},
        {C::Label, Line::IfN3AboveMaior, "Se N3 > Maior então", {960, 4440}, Panel},
        {C::Label, Line::MaiorIsN3, "Maior = ", {1560, 4800}, Panel},
        {C::Label, "Label1(13)", "Senão", {1320, 5160}, Panel},
        {C::Label, Line::IfN3BelowMenor, "Se N3 <  Menor então", {1440, 5520}, Panel},
        {C::Label, Line::MenorIsN3, "Menor =", {1560, 5880}, Panel},
        {C::Label, "Label1(16)", "Fim_Se", {1560, 6360}, Panel},
        {C::Label, "Label1(19)", "Fim_Se", {1080, 6720}, Panel},
        {C::Label, "Label1(17)", "Fim", {840, 7320}, Panel},

        {C::TextBox, Box::N1, " ", {1440, 1440, 500, 500}, Pt12Bold},
        {C::TextBox, Box::N2, "", {2160, 1440, 500, 500}, Pt12Bold},
        {C::TextBox, Box::N3, "", {2880, 1440, 500, 500}, Pt12Bold},

        // "Próximo_Calc" takes the place of "Calcular" when a run is over.
        {C::Button, Cmd::Calculate, "Calcular", {5520, 480, 2175, 735}, Pt12Bold},
        {C::Button, Cmd::Next, "Próximo_Calc", {5520, 480, 2175, 735}, Pt12Bold},

        {C::Frame, Frame::Solution, "Solução", {6240, 5400, 2535, 1695}, PanelBold},
        {C::Value, Val::Maior, "", {240, 480}, Pt12Bold, ole::DarkBlue, Frame::Solution},
        {C::Value, Val::Menor, "", {240, 1200}, Pt12Bold, ole::DarkBlue, Frame::Solution},
    });
    // "Início" to "Fim", and each "Se" to its "Fim_Se"; each "Senão", and "Escreva" at the top of
    // the block, hangs on its bracket.
    addBracket(1, 480, 600, 600, 840, 7320);
    addBracket(4, 960, 1080, 2040, 1080, 4080);
    addLine(QStringLiteral("Line7"), 960, 3240, 1200 - 45, 3240);
    addBracket(8, 840, 960, 4440, 1080, 6720);
    addLine(QStringLiteral("Line11"), 840, 5280, 1320 - 45, 5280);
    addBracket(12, 1320, 1440, 5520, 1560, 6360);
    addLine(QStringLiteral("Line15"), 480, 960, 840 - 45, 960);

    QLineEdit* n1 = textBox(Box::N1);
    QLineEdit* n2 = textBox(Box::N2);
    QLineEdit* n3 = textBox(Box::N3);
    describe(n1, QStringLiteral("Primeiro número, N1"));
    describe(n2, QStringLiteral("Segundo número, N2"));
    describe(n3, QStringLiteral("Terceiro número, N3"));
    // Each box is wide enough for the widest number, the next one 90 twips after it, and each
    // stands under its name in "Leia ( N1 , N2 , N3 )": the blanks of that line widen so that
    // its names are as far apart as the boxes.
    const int boxWidth = widthToShow(n1, n1->width(), WidestNumber);
    const int pitch = boxWidth + px(90);
    QLabel* const leia = label(Line::Read);
    const QString read = caption(leia);
    const auto middleOf = [&read](const QFont& font, const char* name) {
        const QFontMetricsF fm(font);
        const qsizetype at = read.indexOf(QLatin1String(name));
        return fm.horizontalAdvance(read.left(at)) + fm.horizontalAdvance(QLatin1String(name)) / 2;
    };
    QFont spaced = leia->font();
    const qsizetype n1At = read.indexOf(QLatin1String("N1")), n2At = read.indexOf(QLatin1String("N2"));
    // The spacing widens each run of blanks between two words once.
    int blanks = 0;
    for (qsizetype i = n1At; i < n2At; ++i)
        blanks += read[i] == QLatin1Char(' ') && read[i - 1] != QLatin1Char(' ');
    spaced.setWordSpacing(qMax(0.0, (pitch - (middleOf(spaced, "N2") - middleOf(spaced, "N1"))) / blanks));
    leia->setFont(spaced);
    leia->adjustSize();
    const int first = leia->x() + int(middleOf(spaced, "N1")) - boxWidth / 2;
    int k = 0;
    for (QLineEdit* box : {n1, n2, n3}) {
        box->resize(boxWidth, box->height());
        box->move(first + k++ * pitch, box->y());
    }

    frameWidth_ = control(Frame::Solution)->width();

    setTabOrder({n1, n2, n3, button(Cmd::Calculate), button(Cmd::Next)});
    setRun(std::make_unique<LargestSmallest>(),
           {.calculate = Cmd::Calculate,
            .newCalculation = Cmd::Next,
            .end = RunSpec::End::Hide,
            .clearedByNew = {Val::Maior, Val::Menor, Box::N1, Box::N2,
                             Box::N3},
            .focusOnNew = Box::N1});
    // The answer, and the panel lines that a run writes its values into.
    arrangeOnResize({label(Val::Maior), label(Val::Menor), label(Line::MaiorIsN1),
                     label(Line::MenorIsN2), label(Line::MaiorIsN2),
                     label(Line::MenorIsN1), label(Line::MaiorIsN3),
                     label(Line::MenorIsN3)});
}

void LargestSmallestWindow::arrange()
{
    // The frame widens to the right for a long answer, keeping the answer's margin on its right,
    // and the window grows with it; emptied, it takes its own width again.
    QLabel* maior = label(Val::Maior);
    int widest = 0;
    for (const QLabel* answer : {maior, label(Val::Menor)})
        if (!caption(answer).isEmpty())
            widest = qMax(widest, answer->geometry().right() + 1 + maior->x());
    QWidget* frame = control(Frame::Solution);
    frame->resize(qMax(frameWidth_, widest), frame->height());
    growToFit();
}

framework::Form* createLargestSmallest() { return new LargestSmallestWindow; }

}  // namespace problems
