// The window of the bouncing ball: its controls, the panel of its pseudo-code, the drawing of
// the ball, the room it makes for long numbers, and how a run goes on it.
#include "problems/bouncing_ball/bouncing_ball.h"

#include "framework/form.h"
#include "problems/problems.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPoint>
#include <QPushButton>

#include <utility>
#include <vector>

namespace problems {

using namespace bouncing_ball_controls;

using namespace framework;
using C = ControlSpec;

namespace {
// Where the ball stands, and the least room kept between the panel and the drawing, between
// the lists, and between a frame's text and its right edge.
constexpr int kBallLeft = 4080;
constexpr int kGap = 120;
}  // namespace

class BouncingBallWindow : public Form {
public:
    BouncingBallWindow();

protected:
    // Makes room for what the values and lists hold now: the lists side by side, the
    // drawing right of the panel, the frames as wide as their texts, the window around all.
    void arrange() override;

private:
    // The ball, the floor, the drop mark and the height box, each with the place its table gives it.
    std::vector<std::pair<QWidget*, QPoint>> drawing_;
};

BouncingBallWindow::BouncingBallWindow()
    : Form(QStringLiteral("Altura_Bola"), QStringLiteral("Altura da Bola"), 7260, 7260)
{
    addControls({
        {C::Label, Text::Prompt, "Informe a altura (em metros) que a bola foi lançada :", {240, 240}},
        {C::TextBox, Box::H, "", {5040, 240, 975, 375}},
        {C::Button, Cmd::Calculate, "Calcular", {4320, 1080, 1575, 495}, Pt12Bold},

        // The pseudo-code panel.
        {C::Label, Line::SomaIsH, "Soma = H =", {240, 600}, Panel},
        {C::Label, "Label1(2)", "Cont = 0", {240, 960}, Panel},
        {C::Label, Line::DoWhile, "Faça enquanto ( H  > 0,001 )", {360, 1560}, Panel},
        {C::Label, Line::HHalved, "H =  H / 2  =", {480, 2040}, Pt12Bold},
        {C::Label, "Label1(5)", "Soma   =   Soma   +    H", {240, 2520}, Pt12Bold},
        {C::Label, Line::ContPlus1, "Cont = Cont + 1 = ", {480, 4320}, Pt12Bold},
        {C::Label, Line::EndDo, "Fim_Faça", {360, 4800}, Panel},
        {C::Value, Val::H, "", {1320, 600}},
        {C::Value, Val::HHalved, "", {2040, 2040}, Pt135Bold},
        {C::Value, Val::Cont, "", {2760, 4320}, Pt135Bold},
        // The lists under the words "Soma", "Soma" and "H" of the line above them.
        {C::List, List::Soma, "", {240, 2880, 855, 1230}},
        {C::List, List::Som, "", {1440, 2880, 855, 1230}},
        {C::List, List::H, "", {2520, 2880, 975, 1230}},

        // The height box of the drawing. Its value has room for 945 twips; it takes the
        // width of the sum it shows, on one line, and the frame widens with it.
        {C::Frame, Frame::Picture, "   Altura", {4680, 2880, 1215, 735}},
        {C::Value, Val::PictureHeight, "", {120, 240}, Pt825Bold, ole::Blue, Frame::Picture},

        // The answer; it widens to the whole path (arrange()).
        {C::Frame, Frame::Answer, "Resposta", {240, 5400, 3975, 1455}, PanelBold, ole::Red},
        {C::Label, Text::PathWords, "O percurso total feito pela bola foi ", {240, 360, 3495, 375}, Default,
         ole::ButtonText, Frame::Answer},
        {C::Value, Val::Path, "", {2760, 360}, Pt825Bold, ole::Red, Frame::Answer},
        // The count stands in the blanks the sentence leaves for it (room for four digits; a
        // run has at most 1034 bounces).
        {C::Label, Text::TouchedWords, "A bola tocou          vez (es)  no chão.", {240, 720, 3495, 375}, Default,
         ole::ButtonText, Frame::Answer},
        {C::Value, Val::Touched, "", {1200, 720}, Pt825Bold, ole::Red, Frame::Answer},

        {C::Button, Cmd::NewCalculation, "Novo_Calculo", {4560, 6000, 1695, 615}, PanelBold},
    });
    for (const auto& [value, line] : {std::pair{Val::H, Line::SomaIsH}, {Val::HHalved, Line::HHalved},
                                      {Val::Cont, Line::ContPlus1}, {Val::Path, Text::PathWords}})
        keepClearOf(label(value), label(line));

    // The loop, from "Faça enquanto" down to "Fim_Faça"; its stroke stands further left than
    // the opening line alone would put it.
    addBrackets(1, {{Line::DoWhile, Line::EndDo, 120}});

    // The drawing: the floor, the drop mark (it stops at the height box's top, as the box
    // would hide the rest, and goes on below it), the ball.
    addLine(Stroke::Ground.text(), 3480, 4920, 5760, 4920, 8);
    addLine(Stroke::HeightTop.text(), 4320, 2280, 5160, 2280, 3);
    addLine(Stroke::HeightUpper.text(), 5160, 2280, 5160, 2880, 3);
    addLine(Stroke::HeightLower.text(), 5160, 3600, 5160, 4920, 3);
    addShape(Shape::Ball.text(), ShapeControl::Oval, {kBallLeft, 2280, 360, 360}, ole::Yellow, ole::DarkGrey);
    // The boxes and the button below stand over the drawing (the height box over the drop
    // mark).
    for (framework::Name name : {Frame::Picture, Frame::Answer, Cmd::NewCalculation})
        control(name)->raise();
    setBackColor(control(Frame::Picture), ole::ButtonFace);
    for (framework::Name name :
         {Stroke::Ground, Stroke::HeightTop, Stroke::HeightUpper, Stroke::HeightLower, Shape::Ball, Frame::Picture}) {
        QWidget* w = control(name);
        drawing_.emplace_back(w, w->pos());
    }

    // The answer frame is display only: shown at the end of a run, never enabled. Its caption
    // looks disabled, but the answer inside keeps its colours, as the student must read it.
    QWidget* answer = control(Frame::Answer);
    answer->setEnabled(false);
    answer->setVisible(false);
    for (framework::Name name : {Text::PathWords, Text::TouchedWords, Val::Path, Val::Touched}) {
        QLabel* text = label(name);
        QPalette pal = text->palette();
        pal.setColor(QPalette::Disabled, QPalette::WindowText, pal.color(QPalette::Active, QPalette::WindowText));
        text->setPalette(pal);
    }

    QLineEdit* h = textBox(Box::H);
    describe(h, QStringLiteral("Altura inicial da bola, em metros"), label(Text::Prompt));
    connect(h, &QLineEdit::textChanged, this, [this] { rearrange(); });
    QPushButton* novo = button(Cmd::NewCalculation);

    QListWidget* somaList = listBox(List::Soma);
    QListWidget* somList = listBox(List::Som);
    QListWidget* hList = listBox(List::H);
    setTabOrder({h, button(Cmd::Calculate), novo, somaList, somList, hList});
    setRun(std::make_unique<BouncingBall>(),
           {.calculate = Cmd::Calculate,
            .newCalculation = Cmd::NewCalculation,
            .offerNewFirst = true,
            .lockedWhileRunning = {Box::H},
            .clearedByNew = {Box::H, Val::H, Val::HHalved,
                             Val::Cont, Val::Path, Val::Touched,
                             Val::PictureHeight, List::Soma, List::Som,
                             List::H},
            .focusOnNew = Box::H});

    // Whatever writes a value or a row (a click, the end of a run by an error, the reset of
    // the panel), the window makes room for it at once.
    arrangeOnResize({label(Val::H), label(Val::HHalved), label(Val::Cont),
                     label(Val::PictureHeight), label(Val::Path),
                     label(Val::Touched), somaList, somList, hList, answer});
}

void BouncingBallWindow::arrange()
{
    const int gap = px(kGap);
    widenToText(textBox(Box::H));

    // Each list stands where its table puts it, or just right of the one before when that one
    // has widened for its rows.
    QListWidget* somaList = listBox(List::Soma);
    QListWidget* somList = listBox(List::Som);
    QListWidget* hList = listBox(List::H);
    followOn({somaList, somList, hList}, gap);

    // The drawing stands right of the lists and of the values beside the lines it faces.
    int panel = rightOf(hList);
    for (framework::Name name : {Val::HHalved, Val::Cont})
        if (const QLabel* value = label(name); !value->text().isEmpty())
            panel = qMax(panel, rightOf(value));
    const int shift = qMax(0, panel + gap - px(kBallLeft));
    const QWidget* ball = control(Shape::Ball);
    for (const auto& [w, place] : drawing_)
        w->move(place.x() + shift, w == ball ? w->y() : place.y());
    growToHold(control(Frame::Picture), label(Val::PictureHeight), px(150));

    // The answer frame holds the whole path; "Novo_Calculo" stands clear of it.
    QWidget* answer = control(Frame::Answer);
    growToHold(answer, label(Val::Path), gap);
    // The count stands where its table puts it, in the blanks of its sentence, or further left
    // when a wide count would touch the word after them.
    const QLabel* tocou = label(Text::TouchedWords);
    QLabel* count = label(Val::Touched);
    const QString sentence = tocou->text();
    const int blanks = sentence.indexOf(QStringLiteral("  "));
    int words = blanks;
    while (words < sentence.size() && sentence.at(words) == QLatin1Char(' '))
        ++words;
    const QFontMetrics fm(tocou->font());
    const int first = tocou->x() + fm.horizontalAdvance(sentence.left(blanks)) + 2;
    const int last = tocou->x() + fm.horizontalAdvance(sentence.left(words)) - 2;
    count->move(qMax(first, qMin(tablePlace(count).x(), last - count->width())), count->y());
    QPushButton* novo = button(Cmd::NewCalculation);
    followOn({answer, novo}, gap);

    growToFit();
}

framework::Form* createBouncingBall() { return new BouncingBallWindow; }

}  // namespace problems
