// The window of the digit sum: its controls, the columns under its pseudo-code, how they make
// room for each other, and how a run goes on it.
#include "problems/digit_sum/digit_sum.h"

#include "framework/form.h"
#include "problems/problems.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionFrame>

namespace problems {

using namespace digit_sum_controls;

using namespace framework;
using C = ControlSpec;

namespace {
constexpr FontSpec Pt18{18};
constexpr FontSpec Pt18Bold{18, true};
constexpr FontSpec Pt135Italic{13.5, false, true};
// The least room kept between two columns when one has widened for its rows.
constexpr int kGap = 120;

// Where the line of text a box shows ends below, in its window's pixels: the box centres the
// line in what its frame and margins leave.
int textBottom(const QLineEdit* box)
{
    QStyleOptionFrame opt;
    opt.initFrom(box);
    opt.rect = box->rect();
    opt.lineWidth = box->hasFrame() ? box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, box) : 0;
    const QMargins m = box->textMargins();
    const QRect room = box->style()->subElementRect(QStyle::SE_LineEditContents, &opt, box)
                           .adjusted(m.left() + 2, m.top() + 1, -m.right() - 2, -m.bottom() - 1);
    const QFontMetrics fm(box->font());
    const QRect line = QStyle::alignedRect(Qt::LeftToRight, box->alignment(), QSize(1, fm.height()), room);
    return box->y() + line.bottom() + 1;
}
}  // namespace

class DigitSumWindow : public Form {
public:
    DigitSumWindow();

private:
    // Makes room for what the number box and the columns hold now: the columns side by side,
    // the window around them.
    void arrange() override;

    QLineEdit* Num_;
    QPushButton* Resposta_;
    QListWidget *R_, *N_, *Div_, *Dez_, *Som_, *Sol_, *Resto_;
};

DigitSumWindow::DigitSumWindow()
    : Form(QStringLiteral("Soma_Dígitos"), QStringLiteral("Soma_Dígitos"), 5310, 6870)
{
    // The pseudo-code panel and the columns under its two assignments. The face here is
    // taller than the lines' places allow for: the line over the first columns stands 60 twips
    // higher, and the columns under "Soma = Soma + R" 60 twips lower, so that neither line runs
    // into them.
    addControls({
        {C::Label, Text::Prompt, "Digite um número :", {120, 0}, Pt18},
        {C::TextBox, Box::Number, "", {3240, 0, 1575, 555}, Pt18Bold},
        {C::Button, Cmd::Read, " Leia     N", {3240, 480, 1575, 375}, Pt12Bold},
        {C::Label, "Label2", "Soma = 0", {480, 600}, Pt12},
        {C::Label, "Label1(1)", "Faça enquanto  ( N <> 0)", {480, 960}, Pt135Italic, ole::Red},
        {C::Label, "Label1(2)", "R   =   N     -   (N\\10) * 10", {720, 1260}, Pt18},
        {C::List, List::R, "", {480, 1680, 855, 1740}, Panel},
        {C::List, List::N, "", {1560, 1680, 855, 1740}, Panel},
        {C::List, List::Div, "", {2880, 1680, 975, 1740}, Panel},
        {C::List, List::Dez, "", {3960, 1680, 735, 1815}},
        {C::Label, "Label1(3)", "Soma = Soma + R", {600, 3360}, Pt18},
        {C::List, List::Soma, "", {600, 3780, 1095, 1740}, Panel},
        {C::List, List::Sol, "", {1920, 3780, 975, 1740}, Panel},
        {C::List, List::Resto, "", {3120, 3780, 615, 1620}},
        {C::Label, "Label1(4)", "Fim_faça ", {480, 5520}, Pt135Italic, ole::Red},
    });
    // The bracket from "Faça enquanto" down to "Fim_faça ": its ends slant towards the lines,
    // and its upper stroke stops just short of the line.
    addLine(QStringLiteral("Line1"), 120, 1440, 435, 1230);
    addLine(QStringLiteral("Line2"), 120, 1440, 120, 5400);
    addLine(QStringLiteral("Line3"), 120, 5400, 360, 5640);
    addControls({
        {C::Frame, Frame::Answer, "RESPOSTA", {120, 5880, 2655, 735}, PanelBold},
        // 240 twips from the frame's top rather than 120: the frame's border is drawn under
        // its caption, not through it, so the answer stands eight pixels lower to stay inside
        // it.
        {C::Label, Val::Answer, "", {1440, 240, 1095, 495}, Pt135Bold, ole::Red, Frame::Answer},
        {C::Button, Cmd::Next, "Próximo", {3240, 5880, 1455, 735}},
    });
    Num_ = textBox(Box::Number);
    Resposta_ = button(Cmd::Read);
    R_ = listBox(List::R);
    N_ = listBox(List::N);
    Div_ = listBox(List::Div);
    Dez_ = listBox(List::Dez);
    Som_ = listBox(List::Soma);
    Sol_ = listBox(List::Sol);
    Resto_ = listBox(List::Resto);

    describe(Num_, QStringLiteral("Número inteiro"), label(Text::Prompt));
    setForeColor(Num_, ole::DarkBlue);
    connect(Num_, &QLineEdit::textChanged, this, [this] { rearrange(); });

    setTabOrder({Num_, button(Cmd::Read), button(Cmd::Next)});
    setRun(std::make_unique<DigitSum>(),
           {.calculate = Cmd::Read,
            .newCalculation = Cmd::Next,
            .offerNewFirst = true,
            .lockedWhileRunning = {Box::Number},
            .clearedByNew = {List::R, List::N, List::Div, List::Soma,
                             List::Sol, List::Resto, List::Dez,
                             Val::Answer, Box::Number},
            .focusOnNew = Box::Number,
            // "Próximo" is taken away at every click until the answer offers it.
            .stages = {{"running", {{RunSpec::Change::Disable, Cmd::Next}}}}});

    // Whatever adds or clears rows (a click, the end of a run by an error, the reset of the
    // panel), the columns make room for each other at once.
    arrangeOnResize({R_, N_, Div_, Dez_, Som_, Sol_, Resto_});
}

void DigitSumWindow::arrange()
{
    widenToText(Num_);
    // The button's table place is over the lower edge of the box; in a larger face the number would
    // run under it, and the button stands lower.
    Resposta_->move(Resposta_->x(), qMax(tablePlace(Resposta_).y(), textBottom(Num_)));
    // Each column stands where its table puts it, or just right of the one before when that one
    // has widened for its rows.
    const int gap = px(kGap);
    followOn({R_, N_, Div_, Dez_}, gap);
    followOn({Som_, Sol_, Resto_}, gap);
    growToFit();
}

framework::Form* createDigitSum() { return new DigitSumWindow; }

}  // namespace problems
