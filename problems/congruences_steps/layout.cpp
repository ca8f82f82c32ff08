// The controls of X_Mod123: the input strip, the three buttons of the stages, the summary page
// on the form, and the frames of stages (i) and (ii) that lie over it; and the layout of what
// depends on the texts shown.
#include "problems/congruences_steps/congruences_steps.h"

#include <QEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QRegularExpression>

#include <algorithm>

namespace problems {

using namespace framework;

namespace {

constexpr OleColor Grey = 0x808080;
constexpr OleColor LightGreyBack = 0xC0C0C0;
constexpr OleColor LightGreenFace = 0xC0FFC0;
constexpr OleColor LightOrangeFace = 0xC0E0FF;
constexpr OleColor LightCyanFace = 0xFFFFC0;

// The form is 10425 twips wide; the frames stop at its right edge so that their border shows.
constexpr int FormWidth = 10425;
constexpr int FrameLeft = 120;
constexpr int FrameWidth = FormWidth - FrameLeft;
// The frames start here; the summary page below this line lies under them.
constexpr int SummaryTop = 2160;

// The input strip, in twips: the picture behind the boxes, the two columns of boxes with the
// words between them, and the column of the stage buttons beside it.
constexpr int PanelLeft = 6360;
constexpr int PanelRightMargin = 225;  // from the moduli boxes to the picture's right edge
constexpr int RemainderLeft = 6480;
constexpr int WordsLeft = 6960;
constexpr int ModulusLeft = 8280;
constexpr int BoxSize = 375;
constexpr int ColumnGap = 105;
constexpr int ButtonLeft = 9000;
constexpr int ButtonGap = 120;  // from the picture to the buttons
constexpr int ButtonWidth = 1215;
constexpr int ButtonRightMargin = 210;

// The widest numbers a box is made for: eight characters, as in six digits with two decimals
// and a sign, or eight digits.
const char* const WidestInputs[] = {"-1234.56", "-1234,56", "99999999"};

// Pixels between a text and what follows it on its row, and between the texts on the strip's
// left and its picture.
constexpr int Gap = 8;
constexpr int StripGap = 4;
// The strokes of the drawn sign are 120 twips long and stand 120 twips apart.
constexpr int StrokeLength = 120;

QString name(const char* base, int index) { return QString::fromUtf8(base) + QStringLiteral("(%1)").arg(index); }

int textWidth(const QWidget* control, const QString& text) { return QFontMetrics(control->font()).horizontalAdvance(text); }
int captionEnd(const QLabel* label) { return label->x() + textWidth(label, label->text()); }

// The small mark shown beside the congruences by the MOD click.
void paintMark(QPainter& p, const QRect& r)
{
    const QRectF box = QRectF(r).adjusted(2, 2, -2, -2);
    QPainterPath arrow;
    arrow.moveTo(box.left(), box.center().y() - box.height() / 5);
    arrow.lineTo(box.center().x(), box.center().y() - box.height() / 5);
    arrow.lineTo(box.center().x(), box.top());
    arrow.lineTo(box.right(), box.center().y());
    arrow.lineTo(box.center().x(), box.bottom());
    arrow.lineTo(box.center().x(), box.center().y() + box.height() / 5);
    arrow.lineTo(box.left(), box.center().y() + box.height() / 5);
    arrow.closeSubpath();
    p.setPen(QPen(QColor(0x20, 0x60, 0x20), 1));
    p.setBrush(QColor(0x40, 0xB0, 0x40));
    p.drawPath(arrow);
}

}  // namespace

void XMod123Form::buildInputStrip()
{
    // Picture1 leaves the summary titles on its left uncovered; its picture sits behind the boxes.
    Picture1_ = addPainted(QStringLiteral("Picture1"), {0, 0, FormWidth, SummaryTop}, [this](QPainter& p, const QRect&) {
        QLinearGradient fill(panel_.topLeft(), panel_.bottomRight());
        fill.setColorAt(0, QColor(0xFF, 0xF4, 0xD6));
        fill.setColorAt(1, QColor(0xE8, 0xD4, 0xA8));
        p.setPen(QPen(QColor(0xA0, 0x80, 0x50), 1));
        p.setBrush(fill);
        p.drawRoundedRect(QRectF(panel_), 6, 6);
    });
    QWidget* strip = Picture1_;

    static const char* const remainders[] = {"2", "3", "4"};
    static const char* const moduli[] = {"3", "5", "7"};
    for (int i = 0; i < 3; ++i) {
        const int top = 720 * i;
        Mod_[i] = addTextBox(QStringLiteral("Mod%1").arg(i + 1), QString::fromUtf8(remainders[i]),
                             {RemainderLeft, top, BoxSize, BoxSize}, Default, strip);
        R_[i] = addTextBox(QStringLiteral("R%1").arg(i + 1), QString::fromUtf8(moduli[i]),
                           {ModulusLeft, top, BoxSize, BoxSize}, Default, strip);
        describe(Mod_[i], QStringLiteral("Resto da congruência %1").arg(i + 1));
        describe(R_[i], QStringLiteral("Módulo da congruência %1").arg(i + 1));
        DivCaption_[i] = addLabel(name("Label4", i + 3), QStringLiteral("Div%1").arg(i + 1), {RemainderLeft, top + 360},
                                  Default, ole::Red, strip);
        ModCaption_[i] = addLabel(name("Label4", i), QStringLiteral("Mod%1").arg(i + 1), {ModulusLeft, top + 360},
                                  Default, ole::Red, strip);
        Label2_[i + 1] = addLabel(name("Label2", i + 1), QStringLiteral("deixa resto"), {WordsLeft, top + 60}, Default,
                                  ole::ButtonText, strip);
    }
    Label2_[0] = addLabel(QStringLiteral("Label2(0)"),
                          QStringLiteral("Descobrir um número inteiro, positivo que, dividido por"), {120, 600},
                          Panel, ole::ButtonText, strip);

    // The boxes are as wide as the widest number a student is likely to type.
    boxWidth_ = Mod_[0]->width();
    for (const char* sample : WidestInputs)
        boxWidth_ = widthToShow(Mod_[0], boxWidth_, QString::fromUtf8(sample));
}

void XMod123Form::buildButtons()
{
    Cmd_Calc_MDC_ = addButton(QStringLiteral("Cmd_Calc_MDC"), QStringLiteral("Calculo_MDC"),
                              {ButtonLeft, 360, ButtonWidth, 495});
    setBackColor(Cmd_Calc_MDC_, LightGreenFace);
    Cmd_Calc_MOD_ = addButton(QStringLiteral("Cmd_Calc_MOD"), QStringLiteral("Calculo_MOD"),
                              {ButtonLeft, 360, ButtonWidth, 495});
    setBackColor(Cmd_Calc_MOD_, LightOrangeFace);
    Cmd_Final_ = addButton(QStringLiteral("Cmd_Final"), QStringLiteral("Cálculo &Final"), {ButtonLeft, 360, ButtonWidth, 495});
    setBackColor(Cmd_Final_, LightCyanFace);
    Cmd_Calc_MOD_->hide();
    Cmd_Final_->hide();
}

void XMod123Form::addCongruenceSign(int index, QWidget* in, OleColor color)
{
    // Three strokes, each drawn by a control of its own; placeCongruenceSign puts them in place.
    static const char* const names[] = {"Line1", "Line2", "Line3"};
    for (int k = 0; k < 3; ++k) {
        QWidget* stroke = addPainted(name(names[k], index), {0, 0, StrokeLength, 30},
                                     [color](QPainter& p, const QRect& r) { p.fillRect(r, toQColor(color)); }, in);
        stroke->setProperty("foreColor", uint(color));
        stroke->hide();
        Sign_[index][k] = stroke;
    }
}

void XMod123Form::showCongruenceSigns(int from, int to)
{
    for (int i = from; i <= to; ++i)
        for (QWidget* stroke : Sign_[i])
            stroke->show();
}

void XMod123Form::placeCongruenceSign(int index, const QLabel* label)
{
    const QString text = label->text();
    static const QRegularExpression blanks(QStringLiteral("\\s{2,}"));
    const QRegularExpressionMatch run = blanks.match(text);
    const int head = textWidth(label, run.hasMatch() ? text.left(run.capturedStart()) : text);
    const int room = run.hasMatch() ? textWidth(label, run.captured()) : 0;
    const int x = label->x() + head + (room - px(StrokeLength)) / 2;
    // The middle stroke stands level with the middle of the letters, the others a line above
    // and below.
    for (int k = 0; k < 3; ++k)
        Sign_[index][k]->move(x, label->y() - 2 + px(StrokeLength) * k);
}

void XMod123Form::buildSummaryPage()
{
    Label3_[0] = addLabel(QStringLiteral("Label3(0)"), QStringLiteral("( i ) Cálculo do MDC:"), {240, 960}, Default,
                          ole::DarkGrey);
    setBackColor(Label3_[0], LightGreyBack);
    static const int congruenceLeft[] = {360, 2520, 4440};
    static const char* const congruenceCaption[] = {"", " ", ""};
    for (int i = 0; i < 3; ++i)
        Label1_[i] = addLabel(name("Label1", i), QString::fromUtf8(congruenceCaption[i]), {congruenceLeft[i], 1320},
                              Default, Grey);
    Label3_[1] = addLabel(QStringLiteral("Label3(1)"), QString(), {600, 1680}, Pt825Bold, ole::DarkGrey);
    for (int i = 0; i < 3; ++i)
        addCongruenceSign(i, this, ole::DarkGrey);

    // Below the strip, positions are given from the frames' top.
    lowerSummary_ = new QWidget(this);
    lowerSummary_->setGeometry(0, px(SummaryTop), width(), height() - px(SummaryTop));
    QWidget* low = lowerSummary_;
    const auto at = [](int top) { return top - SummaryTop; };
    Label3_[2] = addLabel(QStringLiteral("Label3(2)"), QStringLiteral("( i i ) Cálculo do MÓDULO :"), {240, at(2160)},
                          Default, ole::DarkGrey, low);
    for (int k = 0; k < 3; ++k) {
        const int top = at(2520 + 480 * k);
        Calc_Mod_[k] = addLabel(name("Cálc_Mod", k), QString(), {360, top}, Default, Grey, low);
        // The arrow from each congruence to its reduced form.
        const int y = top + 120;
        Arrow_[k][0] = addLine(name("Line14", k), 2280, y, 2640, y, 1, ole::DarkGrey, low);
        Arrow_[k][1] = addLine(name("Line15", k), 2520, y - 60, 2640, y, 1, ole::DarkGrey, low);
        Arrow_[k][2] = addLine(name("Line16", k), 2520, y + 60, 2640, y, 1, ole::DarkGrey, low);
    }
    static const char* const reduced[] = {"Mod_X1(1)", "Mod_X2(1)", "Mod_X3(1)"};
    for (int i = 0; i < 3; ++i)
        ModX_[i][1] = addLabel(QString::fromUtf8(reduced[i]), QString(), {2760, at(2520 + 480 * i)}, Default,
                               ole::ButtonText, low);
    Valor_X_ = addLabel(QStringLiteral("Valor_X"), QString(), {600, at(4080)}, Pt825Bold, ole::ButtonText, low);
    Label3_[3] = addLabel(QStringLiteral("Label3(3)"), QStringLiteral("( i i i ) Cálculo FINAL:"), {240, at(4680)},
                          Default, ole::DarkGrey, low);
    static const int finalTop[] = {5160, 5640, 6120, 6600, 7320};
    for (int i = 5; i <= 9; ++i)
        Label10_[i] = addLabel(name("Label10", i), QString(), {600, at(finalTop[i - 5])},
                               i == 9 ? Pt825Bold : Default, ole::DarkGrey, low);

    // The drawn congruence signs beside Cálc_Mod(0), (1), (2) (signs 5, 4, 3) and beside the
    // reduced ones (signs 6, 7, 8).
    for (int k = 0; k < 3; ++k)
        addCongruenceSign(5 - k, low, Grey);
    for (int k = 0; k < 3; ++k)
        addCongruenceSign(6 + k, low, Grey);
    // The page shows with the window once no frame covers it; until then its controls keep
    // their own visibility.
    for (QWidget* control : low->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!control->testAttribute(Qt::WA_WState_ExplicitShowHide))
            control->show();
}

void XMod123Form::buildMdcFrame()
{
    Frame_MDC_ = addFrame(QStringLiteral("Frame_MDC"),
                          QStringLiteral("*  Cálculo do MDC(R1,R2)   e   MDC ( MDC (R1,R2) , R3) *"),
                          {FrameLeft, SummaryTop, FrameWidth, 5295}, Pt825Bold);
    // A frame hides the part of the summary page that lies under it.
    Frame_MDC_->setAutoFillBackground(true);
    Frame_MDC_->installEventFilter(this);
    QGroupBox* f = Frame_MDC_;
    struct Line { int index; const char* text; int left, top; };
    static const Line panel[] = {
        {22, "Termina = Falso", 360, 360},
        {4, "Faça enquanto  ( Termina = Falso )", 360, 720},
        {5, "Se (Mod2= Menor )  então Termina= Verdadeiro", 480, 1080},
        {6, "Se Mod1> Mod2 então", 480, 1440},
        {7, "Mod1= Maior =", 1080, 1800},
        {8, "Mod2= Menor =", 1080, 2160},
        {9, "Senão", 720, 2520},
        {10, "Mod2= Maior =", 1080, 2880},
        {11, "Mod1= Menor =", 1080, 3240},
        {12, "Fim_Se", 480, 3600},
        {13, "Resto = (Maior  MOD  Menor) =", 480, 3960},
        {14, "Faça enquanto  ( Resto <> 0 )", 5640, 480},
        {15, "Maior = Menor =", 5880, 840},
        {16, " Menor = Resto =", 5880, 1440},
        {17, "Resto = (Maior  MOD  Menor) =", 5880, 2040},
        {18, "Fim_Faça", 5640, 2880},
        {19, "Mod2= Menor =", 5640, 3240},
        {20, "Mod1  = Mod3 =", 5640, 3600},
        {21, "Fim_Faça", 5520, 3960},
    };
    for (const Line& l : panel)
        Label2_[l.index] = addLabel(name("Label2", l.index), QString::fromUtf8(l.text), {l.left, l.top}, Default,
                                    ole::ButtonText, f);

    const QString placeholder = QStringLiteral("Label4");
    Modu1_[0] = addLabel(QStringLiteral("Modu1(0)"), placeholder, {2520, 1800}, Pt825Bold, ole::Red, f);
    Modu2_[0] = addLabel(QStringLiteral("Modu2(0)"), placeholder, {2520, 2160}, Pt825Bold, ole::Red, f);
    Modu1_[1] = addLabel(QStringLiteral("Modu1(1)"), placeholder, {2520, 2880}, Pt825Bold, ole::Red, f);
    Modu2_[1] = addLabel(QStringLiteral("Modu2(1)"), placeholder, {2520, 3240}, Pt825Bold, ole::Red, f);
    Mod2_Final_ = addLabel(QStringLiteral("Mod2_Final"), QStringLiteral("Label3"), {7200, 3240}, Pt825Bold, ole::Red, f);
    Mod1_Final_ = addLabel(QStringLiteral("Mod1_Final"), QStringLiteral("Label5"), {7200, 3600}, Pt825Bold, ole::Red, f);

    ListRest_ = addListBox(QStringLiteral("ListRest"), {3240, 3960, 495, 450}, Default, f);
    ListMaior_ = addListBox(QStringLiteral("ListMaior"), {7440, 840, 1215, 450}, Default, f);
    ListMenor_ = addListBox(QStringLiteral("ListMenor"), {7440, 1440, 1215, 450}, Default, f);
    ListResto_ = addListBox(QStringLiteral("ListResto"), {6720, 2280, 1215, 450}, Default, f);

    // Brackets: the outer loop runs down the left column and closes at the right column's
    // "Fim_Faça"; the choice; the remainder loop. The ticks stop 45 twips short of their lines.
    addLine(QStringLiteral("Line4"), 240, 840, 360 - 45, 840, 1, ole::Black, f);
    addLine(QStringLiteral("Line5"), 240, 840, 240, 4560, 1, ole::Black, f);
    addLine(QStringLiteral("Line6"), 240, 4560, 5400, 4560, 1, ole::Black, f);
    addLine(QStringLiteral("Line7"), 5400, 4560, 5400, 4080, 1, ole::Black, f);
    addLine(QStringLiteral("Line8"), 360, 1560, 480 - 45, 1560, 1, ole::Black, f);
    addLine(QStringLiteral("Line9"), 360, 1560, 360, 3720, 1, ole::Black, f);
    addLine(QStringLiteral("Line10"), 360, 3720, 480 - 45, 3720, 1, ole::Black, f);
    addLine(QStringLiteral("Line11"), 5520, 600, 5640 - 45, 600, 1, ole::Black, f);
    addLine(QStringLiteral("Line12"), 5520, 600, 5520, 3000, 1, ole::Black, f);
    addLine(QStringLiteral("Line13"), 5520, 3000, 5640 - 45, 3000, 1, ole::Black, f);
}

void XMod123Form::buildModFrame()
{
    Frame_MOD_ = addFrame(QStringLiteral("Frame_MOD"), QStringLiteral("* Cálculo do Módulo"),
                          {FrameLeft, SummaryTop, FrameWidth, 6135}, Pt825Bold);
    Frame_MOD_->setAutoFillBackground(true);
    Frame_MOD_->installEventFilter(this);
    QGroupBox* f = Frame_MOD_;
    addLabel(QStringLiteral("Label5(0)"), QStringLiteral("Mod =  Mod1  *  Mod2  *  Mod3  ="), {360, 360}, Default,
             ole::ButtonText, f);
    Modulo_ = addValueLabel(QStringLiteral("Modulo"), 3360, 360, Pt825Bold, ole::Red, f);
    static const char* const formulas[] = {"N1 =   Mod2  *  Mod3  =", "N2 =  Mod1  *  Mod3  =", "N3 =  Mod1  *  Mod2  ="};
    for (int i = 0; i < 3; ++i) {
        addLabel(name("Label5", i + 1), QString::fromUtf8(formulas[i]), {360, 720 + 360 * i}, Default, ole::ButtonText, f);
        NLabel_[i] = addValueLabel(QStringLiteral("N%1").arg(i + 1), 2400, 720 + 360 * i, Pt825Bold, ole::Red, f);
    }
    for (int i = 0; i < 3; ++i) {
        const int top = 2040 + 480 * i;
        const QString base = QStringLiteral("Mod_X%1").arg(i + 1);
        ModX_[i][2] = addLabel(base + QStringLiteral("(2)"), QString(), {120, top}, Default, ole::Blue, f);
        ModX_[i][0] = addLabel(base + QStringLiteral("(0)"), QString(), {2640, top}, Default, ole::Blue, f);
        Line17_[i] = addLine(name("Line17", i), 1920, top + 240, 2520, top + 240, 1, ole::Blue, f);
        Line17_[i]->hide();
    }
    // Marks beside the two congruence columns.
    for (int i = 0; i < 6; ++i) {
        const int left = i < 3 ? 4800 : 7560;
        Image1_[i] = addPainted(name("Image1", i), {left, 2040 + 480 * (i % 3), 240, 210}, paintMark, f);
        Image1_[i]->hide();
    }
    Bracket_[0] = addLine(QStringLiteral("Line18"), 7920, 1440, 8040 - 45, 1440, 1, ole::Black, f);
    Bracket_[1] = addLine(QStringLiteral("Line19"), 7920, 1440, 7920, 2760, 1, ole::Black, f);
    Bracket_[2] = addLine(QStringLiteral("Line20"), 7920, 2760, 8040 - 45, 2760, 1, ole::Black, f);
    for (QWidget* line : Bracket_)
        line->hide();

    Rotulo_ = addValueLabel(QStringLiteral("Rótulo"), 8160, 240, Pt825Bold, ole::Blue, f);
    // The search panel runs to the right edge; the long lines wrap inside their own height.
    struct Line { int left, top, height; };
    static const Line search[] = {
        {8040, 600, 0}, {8040, 960, 0}, {8040, 1320, 0}, {8280, 1680, 360}, {8280, 2040, 600}, {8040, 2640, 0},
        {8040, 3000, 0},
    };
    for (int i = 0; i < 7; ++i) {
        const Line& l = search[i];
        const int width = l.height ? FrameWidth - l.left : 0;
        Label9_[i] = addLabel(name("Label9", i), QString(), {l.left, l.top, width, l.height}, Default,
                              ole::ButtonText, f);
    }
    static const int logoLeft[] = {120, 1680, 3240};
    for (int i = 0; i < 3; ++i)
        Label8_[i] = addLabel(name("Label8", i), QString(), {logoLeft[i], 3600}, Default, ole::ButtonText, f);
    addLabel(QStringLiteral("Label6"),
             QStringLiteral("X = (Mod1 * N1 * X1)  + ( Mod2 * N2 * X2)  + (Mod3 * N3 * X3 )"), {240, 4200}, Default,
             ole::ButtonText, f);
    for (int i = 0; i < 2; ++i) {
        addLabel(name("Label7", i), QStringLiteral("X ="), {240, 4680 + 480 * i}, Default, ole::ButtonText, f);
        X_[i] = addValueLabel(name("X", i), 720, 4680 + 480 * i, Pt825Bold, ole::Red, f);
    }
    // 1455 twips wide, so that the caption fits on the button.
    Cmd_Next_ = addButton(QStringLiteral("Cmd_Next"), QStringLiteral(" Próximo  Cálculo"), {8280, 4200, 1455, 735},
                          Default, f);
    setBackColor(Cmd_Next_, ole::Yellow);
    Frame_MOD_->hide();
}

void XMod123Form::setUpTabOrder()
{
    setTabOrder({Mod_[0], R_[0], Mod_[1], R_[1], Mod_[2], R_[2], Cmd_Calc_MDC_, Cmd_Calc_MOD_, Cmd_Next_, Cmd_Final_});
}

bool XMod123Form::eventFilter(QObject* watched, QEvent* event)
{
    if ((watched == Frame_MDC_ || watched == Frame_MOD_) &&
        (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent))
        lowerSummary_->setVisible(Frame_MDC_->isHidden() && Frame_MOD_->isHidden());
    return Form::eventFilter(watched, event);
}

void XMod123Form::layOut()
{
    // The congruences of stage (i) on one row, each clear of the one before it; when long ones
    // would run into the strip at their places, they close up.
    static const int congruenceLeft[] = {360, 2520, 4440};
    int next = 0;
    for (bool closeUp : {false, true}) {
        next = 0;
        for (int i = 0; i < 3; ++i) {
            QLabel* congruence = Label1_[i];
            const int left = closeUp && i > 0 ? next : qMax(px(congruenceLeft[i]), next);
            congruence->move(left, congruence->y());
            next = captionEnd(congruence) + Gap;
        }
        if (next - Gap + StripGap <= px(PanelLeft))
            break;
    }
    for (int i = 0; i < 3; ++i)
        placeCongruenceSign(i, Label1_[i]);
    // The strip moves right when the row, the statement or the conclusion would run into it.
    const int reach = std::max({next - Gap, captionEnd(Label2_[0]), captionEnd(Label3_[1])}) + StripGap;
    layOutStrip(qMax(0, reach - px(PanelLeft)));
    layOutModRows();
    layOutSummaryRows();
}

void XMod123Form::layOutStrip(int shift)
{
    const int boxHeight = Mod_[0]->height();
    const int remainderLeft = px(RemainderLeft) + shift;
    int wordsLeft = qMax(px(WordsLeft) + shift, remainderLeft + boxWidth_ + px(ColumnGap));
    int wordsEnd = 0;
    for (int i = 0; i < 3; ++i)
        wordsEnd = qMax(wordsEnd, wordsLeft + textWidth(Label2_[i + 1], Label2_[i + 1]->text()));
    const int modulusLeft = qMax(px(ModulusLeft) + shift, wordsEnd + px(ColumnGap));
    for (int i = 0; i < 3; ++i) {
        const int top = px(720 * i);
        Mod_[i]->setGeometry(remainderLeft, top, boxWidth_, boxHeight);
        DivCaption_[i]->move(remainderLeft, DivCaption_[i]->y());
        Label2_[i + 1]->move(wordsLeft, Label2_[i + 1]->y());
        R_[i]->setGeometry(modulusLeft, top, boxWidth_, boxHeight);
        ModCaption_[i]->move(modulusLeft, ModCaption_[i]->y());
    }
    const int panelLeft = px(PanelLeft) + shift;
    const int panelRight = modulusLeft + boxWidth_ + px(PanelRightMargin);
    panel_ = QRect(panelLeft, 2, panelRight - panelLeft, px(2100) - 4);

    const int buttonLeft = qMax(px(ButtonLeft), panelRight + px(ButtonGap));
    for (QPushButton* button : {Cmd_Calc_MDC_, Cmd_Calc_MOD_, Cmd_Final_})
        button->move(buttonLeft, button->y());

    // The window grows when the buttons would pass its right edge; the strip, the frames and
    // the summary page grow with it.
    const int need = buttonLeft + Cmd_Calc_MDC_->width() + px(ButtonRightMargin);
    if (need > width()) {
        setFixedSize(need, height());
        if (QWidget* frame = parentWidget())
            frame->adjustSize();
        for (QWidget* frame : {static_cast<QWidget*>(Frame_MDC_), static_cast<QWidget*>(Frame_MOD_)})
            frame->resize(need - px(FrameLeft), frame->height());
        lowerSummary_->resize(need, lowerSummary_->height());
    }
    Picture1_->resize(width(), Picture1_->height());
    Picture1_->update();
}

void XMod123Form::layOutModRows()
{
    // Three rows in columns: the congruence, the link on the way to its reduced form, the
    // reduced form, the mark; a long text pushes the columns after it, in every row alike.
    int linkShift = 0;
    for (int i = 0; i < 3; ++i)
        linkShift = qMax(linkShift, captionEnd(ModX_[i][2]) + Gap / 2 - px(1920));
    const int reducedLeft = qMax(px(2640), px(2520) + linkShift + Gap);
    int markLeft = px(4800);
    for (int i = 0; i < 3; ++i) {
        Line17_[i]->move(px(1920) - 1 + linkShift, Line17_[i]->y());
        ModX_[i][0]->move(reducedLeft, ModX_[i][0]->y());
        markLeft = qMax(markLeft, captionEnd(ModX_[i][0]) + Gap);
    }
    for (int i = 0; i < 3; ++i)
        Image1_[i]->move(markLeft, Image1_[i]->y());
}

void XMod123Form::layOutSummaryRows()
{
    // Three rows in columns: the congruence and its sign, the arrow, the reduced congruence and
    // its sign.
    static const int arrowLeft[] = {2280, 2520, 2520};
    int shift = 0;
    for (int k = 0; k < 3; ++k)
        shift = qMax(shift, captionEnd(Calc_Mod_[k]) + Gap / 2 - px(2280));
    for (int k = 0; k < 3; ++k) {
        placeCongruenceSign(5 - k, Calc_Mod_[k]);
        for (int j = 0; j < 3; ++j)
            Arrow_[k][j]->move(px(arrowLeft[j]) - 1 + shift, Arrow_[k][j]->y());
        QLabel* reduced = ModX_[k][1];
        reduced->move(qMax(px(2760), px(2640) + shift + Gap), reduced->y());
        placeCongruenceSign(6 + k, reduced);
    }
}

}  // namespace problems
