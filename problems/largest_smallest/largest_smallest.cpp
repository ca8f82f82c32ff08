#include "problems/largest_smallest/largest_smallest.h"

#include "framework/text.h"
#include "problems/problems.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace problems {

using namespace framework;
using num::Value;

namespace {

const QString kMaior = QStringLiteral("Maior = ");
const QString kMenor = QStringLiteral("Menor = ");

// The widest number a box is made to show whole.
const QString WidestNumber = QStringLiteral("-1234567,25");


}  // namespace

Maior_Menor_3::Maior_Menor_3()
    : Form(QStringLiteral("Maior_Menor_3"), QStringLiteral("Maior_menor_3"), 9885, 7830)
{
    addLabels({
        {"Label1(0)", "Algoritmo Maior_Menor_de_Três", 480, 0, 0, 0, Panel},
        {"Label1(1)", "Inteiros : N1, N2, N3, Maior, Menor", 960, 360, 0, 0, Panel},
        {"Label1(18)", "Início", 600, 600, 0, 0, Panel},
        {"Label1(2)", "Escreva : (\" Digite três números inteiros : )", 840, 840, 0, 0, Panel},
        {"Label1(3)", "Leia  (  N1     ,    N2      ,   N3 )", 960, 1200, 0, 0, Panel},
        {"Label1(4)", "Se N1 > N2 então", 1080, 2040, 0, 0, Panel},
        {"Label1(5)", "Maior = ", 1440, 2400, 0, 0, Panel},
        {"Label1(6)", "Menor =", 1440, 2760, 0, 0, Panel},
        {"Label1(7)", "Senão", 1200, 3120, 0, 0, Panel},
        {"Label1(8)", "Maior = ", 1560, 3480, 0, 0, Panel},
        {"Label1(9)", "Menor =", 1560, 3840, 0, 0, Panel},
        {"Label1(10)", "Fim_Se", 1080, 4080, 0, 0, Panel},
        {"Label1(11)", "Se N3 > Maior então", 960, 4440, 0, 0, Panel},
        {"Label1(12)", "Maior = ", 1560, 4800, 0, 0, Panel},
        {"Label1(13)", "Senão", 1320, 5160, 0, 0, Panel},
        {"Label1(14)", "Se N3 <  Menor então", 1440, 5520, 0, 0, Panel},
        {"Label1(15)", "Menor =", 1560, 5880, 0, 0, Panel},
        {"Label1(16)", "Fim_Se", 1560, 6360, 0, 0, Panel},
        {"Label1(19)", "Fim_Se", 1080, 6720, 0, 0, Panel},
        {"Label1(17)", "Fim", 840, 7320, 0, 0, Panel},
    });
    for (int i = 0; i < 20; ++i)
        Label1_[i] = label(QStringLiteral("Label1(%1)").arg(i));

    N1_ = addTextBox(QStringLiteral("N1"), QStringLiteral(" "), {1440, 1440, 500, 500}, Pt12Bold);
    n2_ = addTextBox(QStringLiteral("n2"), QString(), {2160, 1440, 500, 500}, Pt12Bold);
    n3_ = addTextBox(QStringLiteral("n3"), QString(), {2880, 1440, 500, 500}, Pt12Bold);
    describe(N1_, QStringLiteral("Primeiro número, N1"));
    describe(n2_, QStringLiteral("Segundo número, N2"));
    describe(n3_, QStringLiteral("Terceiro número, N3"));
    // Each box is wide enough for the widest number, and the next one follows on from it.
    const int boxWidth = widthToShow(N1_, N1_->width(), WidestNumber);
    QLineEdit* previous = nullptr;
    for (QLineEdit* box : {N1_, n2_, n3_}) {
        box->resize(qMax(box->width(), boxWidth), box->height());
        if (previous)
            box->move(qMax(box->x(), previous->geometry().right() + 1 + px(90)), box->y());
        previous = box;
    }

    // "Início" to "Fim", and each "Se" to its "Fim_Se"; each "Senão", and "Escreva" at the top of
    // the block, hangs on its bracket.
    addBracket(1, 480, 600, 600, 840, 7320);
    addBracket(4, 960, 1080, 2040, 1080, 4080);
    addLine(QStringLiteral("Line7"), 960, 3240, 1200 - 45, 3240);
    addBracket(8, 840, 960, 4440, 1080, 6720);
    addLine(QStringLiteral("Line11"), 840, 5280, 1320 - 45, 5280);
    addBracket(12, 1320, 1440, 5520, 1560, 6360);
    addLine(QStringLiteral("Line15"), 480, 960, 840 - 45, 960);

    Command1_ = addButton(QStringLiteral("Command1"), QStringLiteral("Calcular"), {5520, 480, 2175, 735}, Pt12Bold);
    Command2_ = addButton(QStringLiteral("Command2"), QStringLiteral("Próximo_Calc"), {5520, 480, 2175, 735},
                          Pt12Bold);
    Command2_->setVisible(false);

    Frame1_ = addFrame(QStringLiteral("Frame1"), QStringLiteral("Solução"), {6240, 5400, 2535, 1695}, PanelBold);
    frameWidth_ = Frame1_->width();
    Maior_ = addValueLabel(QStringLiteral("Maior"), 240, 480, Pt12Bold, ole::DarkBlue, Frame1_);
    Menor_ = addValueLabel(QStringLiteral("Menor"), 240, 1200, Pt12Bold, ole::DarkBlue, Frame1_);

    setTabOrder({N1_, n2_, n3_, Command1_, Command2_});
    // Exactly one of the two commands is shown: "Próximo_Calc" takes the place of "Calcular".
    setCalculateCommand(Command1_, EndOfRun::Hide);
    setNewCalculationCommand(Command2_);
    onClick(Command1_, [this] { Command1_Click(); });
    onClick(Command2_, [this] { Command2_Click(); });
    // Also after a run-time error stopped the click half-way.
    onClick(Command1_, [this] { fitAnswer(); });
    onClick(Command2_, [this] { fitAnswer(); });
}

void Maior_Menor_3::fitAnswer()
{
    // The frame widens to the right for a long answer, keeping the answer's margin on its right,
    // and the window grows with it; emptied, it takes its own width again.
    int widest = 0;
    for (QLabel* answer : {Maior_, Menor_})
        if (!caption(answer).isEmpty())
            widest = qMax(widest, answer->geometry().right() + 1 + Maior_->x());
    Frame1_->resize(qMax(frameWidth_, widest), Frame1_->height());
    growToFit();
}

void Maior_Menor_3::Command1_Click()
{
    N1 = Value::dbl(valOf(caption(N1_)));
    N2 = Value::dbl(valOf(caption(n2_)));
    N3 = Value::dbl(valOf(caption(n3_)));

    if (N1 > N2) {
        Maior = N1;
        Menor = N2.toInteger();
        setCaption(Label1_[5], kMaior + shown(Maior));
        setCaption(Label1_[6], kMenor + shownWhole(Menor));
        light({Label1_[4], Label1_[5], Label1_[6]}, ole::Red);
    } else {
        Maior = N2;
        Menor = N1.toInteger();
        setCaption(Label1_[8], kMaior + shown(Maior));
        setCaption(Label1_[9], kMenor + shownWhole(Menor));
        light({Label1_[7], Label1_[8], Label1_[9]}, ole::Red);
    }

    if (N3 > Maior) {
        Maior = N3;
        setCaption(Label1_[12], kMaior + shown(Maior));
        light({Label1_[11], Label1_[12]}, ole::Red);
    } else if (N3 < double(Menor)) {
        Menor = N3.toInteger();
        setCaption(Label1_[15], kMenor + shownWhole(Menor));
        light({Label1_[14], Label1_[15]}, ole::Red);
    }

    setCaption(Maior_, kMaior + shown(Maior));
    setCaption(Menor_, kMenor + shownWhole(Menor));
    Command1_->setVisible(false);
    Command2_->setVisible(true);
}

void Maior_Menor_3::Command2_Click()
{
    Command2_->setVisible(false);
    Command1_->setVisible(true);
    for (QLabel* line : Label1_)
        setForeColor(line, ole::ButtonText);
    for (int i : {5, 8, 12})
        setCaption(Label1_[i], QStringLiteral("Maior ="));
    for (int i : {6, 9, 15})
        setCaption(Label1_[i], QStringLiteral("Menor ="));
    clear({Maior_, Menor_, N1_, n2_, n3_});
    N1_->setFocus(Qt::OtherFocusReason);
}

framework::Form* createLargestSmallest() { return new Maior_Menor_3; }

}  // namespace problems
