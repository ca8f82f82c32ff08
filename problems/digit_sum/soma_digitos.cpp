#include "problems/digit_sum/soma_digitos.h"

#include "framework/text.h"
#include "problems/problems.h"

#include <QApplication>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProxyStyle>
#include <QPushButton>
#include <QScreen>
#include <QStyleOptionFrame>

namespace problems {

using namespace framework;
using num::Value;

namespace {
constexpr FontSpec Pt18{18};
constexpr FontSpec Pt18Bold{18, true};
constexpr FontSpec Pt135Italic{13.5, false, true};
constexpr OleColor DarkBlue = ole::DarkBlue;
// The least room kept between two columns when one has widened for its rows.
constexpr int kGap = 120;




}  // namespace

Soma_Digitos::Soma_Digitos()
    : Form(QStringLiteral("Soma_Dígitos"), QStringLiteral("Soma_Dígitos"), 5310, 6870)
{
    addLabel(QStringLiteral("Label1(0)"), QStringLiteral("Digite um número :"), {120, 0}, Pt18);
    Num_ = addTextBox(QStringLiteral("Num"), QString(), {3240, 0, 1575, 555}, Pt18Bold);
    describe(Num_, QStringLiteral("Número inteiro"), label(QStringLiteral("Label1(0)")));
    setForeColor(Num_, DarkBlue);
    connect(Num_, &QLineEdit::textChanged, this, [this] { rearrange(); });
    Resposta_ = addButton(QStringLiteral("Resposta"), QStringLiteral(" Leia     N"), {3240, 480, 1575, 375}, Pt12Bold);

    // The pseudo-code panel and the columns under its two assignments. The face here is
    // taller than the design's: the line over the first columns stands 60 twips higher, and
    // the columns under "Soma = Soma + R" 60 twips lower, so that neither line runs into them.
    addLabels({
        {"Label2", "Soma = 0", 480, 600, 0, 0, Pt12},
        {"Label1(1)", "Faça enquanto  ( N <> 0)", 480, 960, 0, 0, Pt135Italic, ole::Red},
        {"Label1(2)", "R   =   N     -   (N\\10) * 10", 720, 1260, 0, 0, Pt18},
    });
    R_ = addListBox(QStringLiteral("R"), {480, 1680, 855, 1740}, Panel);
    N_ = addListBox(QStringLiteral("N"), {1560, 1680, 855, 1740}, Panel);
    Div_ = addListBox(QStringLiteral("Div"), {2880, 1680, 975, 1740}, Panel);
    Dez_ = addListBox(QStringLiteral("Dez"), {3960, 1680, 735, 1815});
    addLabel(QStringLiteral("Label1(3)"), QStringLiteral("Soma = Soma + R"), {600, 3360}, Pt18);
    Som_ = addListBox(QStringLiteral("Som"), {600, 3780, 1095, 1740}, Panel);
    Sol_ = addListBox(QStringLiteral("Sol"), {1920, 3780, 975, 1740}, Panel);
    Resto_ = addListBox(QStringLiteral("Resto"), {3120, 3780, 615, 1620});
    addLabel(QStringLiteral("Label1(4)"), QStringLiteral("Fim_faça "), {480, 5520}, Pt135Italic, ole::Red);

    // The bracket from "Faça enquanto" down to "Fim_faça "; its upper stroke stops just short
    // of the line.
    addLine(QStringLiteral("Line1"), 120, 1440, 435, 1230);
    addLine(QStringLiteral("Line2"), 120, 1440, 120, 5400);
    addLine(QStringLiteral("Line3"), 120, 5400, 360, 5640);

    QGroupBox* frame = addFrame(QStringLiteral("Frame1"), QStringLiteral("RESPOSTA"), {120, 5880, 2655, 735}, PanelBold);
    // The style belongs to the window, made after the frame, so that it outlives the frame.
    // Designed at 120 twips from the frame's top; the frame's border is drawn lower here than
    // in the design (under its caption, not through it), so the answer stands eight pixels
    // lower to stay inside it.
    Answer_ = addLabel(QStringLiteral("Answer"), QString(), {1440, 240, 1095, 495}, Pt135Bold, ole::Red, frame);
    Command1_ = addButton(QStringLiteral("Command1"), QStringLiteral("Próximo"), {3240, 5880, 1455, 735});
    Command1_->setEnabled(false);

    setTabOrder({Num_, Resposta_, Command1_});
    setNewCalculationCommand(Command1_);
    setCalculateCommand(Resposta_);
    onClick(Resposta_, [this] { Resposta_Click(); });
    onClick(Command1_, [this] { Command1_Click(); });
    Form_Load();

    // Whatever adds or clears rows (a click, the end of a run by an error, the reset of the
    // panel), the columns make room for each other at once.
    arrangeOnResize({R_, N_, Div_, Dez_, Som_, Sol_, Resto_});
}

void Soma_Digitos::arrange()
{
    Num_->resize(widthToShow(Num_, px(1575)), Num_->height());
    // Each column stands where it was designed, or just right of the one before when that one
    // has widened for its rows.
    const int gap = px(kGap);
    N_->move(qMax(px(1560), rightOf(R_) + gap), N_->y());
    Div_->move(qMax(px(2880), rightOf(N_) + gap), Div_->y());
    Dez_->move(qMax(px(3960), rightOf(Div_) + gap), Dez_->y());
    Sol_->move(qMax(px(1920), rightOf(Som_) + gap), Sol_->y());
    Resto_->move(qMax(px(3120), rightOf(Sol_) + gap), Resto_->y());
    growToFit();
}

void Soma_Digitos::Form_Load() { inicio = QStringLiteral("S"); }

// Reads the number on the first click of a run, then one pass of the loop, or the answer.
void Soma_Digitos::Resposta_Click()
{
    Command1_->setEnabled(false);
    if (inicio == QLatin1String("S")) {
        N = Value::text(ss(caption(Num_)));
        Soma = 0;
        R = Value::integer(0);
        if (N.textValue().empty()) {
            messageBox(QStringLiteral("Impossível calcular!!!"), OkOnly, QStringLiteral("Soma_digitos"));
            return;
        }
        inicio = QStringLiteral("N");
        R_->addItem(shown(R));
    }
    Num_->setEnabled(false);

    const Value dez = Value::integer(10);
    if (N != 0.0) {
        quociente = num::intDiv(N, dez);
        Div_->addItem(shown(quociente));
        Dez_->addItem(QStringLiteral("* 10"));
        // The subtraction takes a typed text as it is, unrounded.
        R = N - num::intDiv(N, dez) * dez;
        R_->addItem(shown(R));
        N_->addItem(shown(N));
        // The column under the assigned Soma is written before the addition, as the one
        // under the Soma that is added.
        Sol_->addItem(shownWhole(Soma));
        Som_->addItem(shownWhole(Soma));
        Soma = (Value::integer(Soma) + R).toInteger();
        Resto_->addItem(shown(R));
        N = num::intDiv(N, dez);
    } else {
        setCaption(Answer_, shownWhole(Soma));
        // "Próximo" first, so that the focus leaving " Leia     N" goes to it.
        Command1_->setEnabled(true);
        Resposta_->setEnabled(false);
    }
}

// "Próximo": a new number.
void Soma_Digitos::Command1_Click()
{
    Command1_->setEnabled(false);
    Resposta_->setEnabled(true);
    Num_->setEnabled(true);
    for (QListWidget* list : {R_, N_, Div_, Som_, Sol_, Resto_, Dez_})
        list->clear();
    clear({Answer_, Num_});
    Num_->setFocus(Qt::OtherFocusReason);
    inicio = QStringLiteral("S");
}

framework::Form* createDigitSum() { return new Soma_Digitos; }

}  // namespace problems
