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
        {C::Label, "Label1(0)", "Informe a altura (em metros) que a bola foi lançada :", {240, 240}},
        {C::TextBox, "H", "", {5040, 240, 975, 375}},
        {C::Button, "Cmd_Calc", "Calcular", {4320, 1080, 1575, 495}, Pt12Bold},

        // The pseudo-code panel.
        {C::Label, "Label1(1)", "Soma = H =", {240, 600}, Panel},
        {C::Label, "Label1(2)", "Cont = 0", {240, 960}, Panel},
        {C::Label, "Label1(3)", "Faça enquanto ( H  > 0,001 )", {360, 1560}, Panel},
        {C::Label, "Label1(4)", "H =  H / 2  =", {480, 2040}, Pt12Bold},
        {C::Label, "Label1(5)", "Soma   =   Soma   +    H", {240, 2520}, Pt12Bold},
        {C::Label, "Label1(7)", "Cont = Cont + 1 = ", {480, 4320}, Pt12Bold},
        {C::Label, "Label1(6)", "Fim_Faça", {360, 4800}, Panel},
        {C::Value, "Hinicial", "", {1320, 600}},
        {C::Value, "HCont", "", {2040, 2040}, Pt135Bold},
        {C::Value, "Cont", "", {2760, 4320}, Pt135Bold},
        // The lists under the words "Soma", "Soma" and "H" of the line above them.
        {C::List, "SomaList", "", {240, 2880, 855, 1230}},
        {C::List, "SomList", "", {1440, 2880, 855, 1230}},
        {C::List, "HList", "", {2520, 2880, 975, 1230}},

        // The height box of the drawing. Its value has room for 945 twips; it takes the
        // width of the sum it shows, on one line, and the frame widens with it.
        {C::Frame, "Frame1", "   Altura", {4680, 2880, 1215, 735}},
        {C::Value, "H_Gráfico", "", {120, 240}, Pt825Bold, ole::Blue, "Frame1"},

        // The answer; it widens to the whole path (arrange()).
        {C::Frame, "RespostaFrame", "Resposta", {240, 5400, 3975, 1455}, PanelBold, ole::Red},
        {C::Label, "Label2(0)", "O percurso total feito pela bola foi ", {240, 360, 3495, 375}, Default,
         ole::ButtonText, "RespostaFrame"},
        {C::Value, "Resp_Percurso", "", {2760, 360}, Pt825Bold, ole::Red, "RespostaFrame"},
        // The count stands in the blanks the sentence leaves for it (room for four digits; a
        // run has at most 1034 bounces).
        {C::Label, "Label2(1)", "A bola tocou          vez (es)  no chão.", {240, 720, 3495, 375}, Default,
         ole::ButtonText, "RespostaFrame"},
        {C::Value, "Resp_Tocou", "", {1200, 720}, Pt825Bold, ole::Red, "RespostaFrame"},

        {C::Button, "Cmd_Novo", "Novo_Calculo", {4560, 6000, 1695, 615}, PanelBold},
    });
    for (const auto& [value, line] : {std::pair{"Hinicial", "Label1(1)"}, {"HCont", "Label1(4)"},
                                      {"Cont", "Label1(7)"}, {"Resp_Percurso", "Label2(0)"}})
        keepClearOf(label(QString::fromUtf8(value)), label(QString::fromUtf8(line)));

    // The loop, from "Faça enquanto" down to "Fim_Faça"; its stroke stands further left than
    // the opening line alone would put it.
    addBrackets(1, {{"Label1(3)", "Label1(6)", 120}});

    // The drawing: the floor, the drop mark (it stops at the height box's top, as the box
    // would hide the rest, and goes on below it), the ball.
    addLine(QStringLiteral("Line5"), 3480, 4920, 5760, 4920, 8);
    addLine(QStringLiteral("Line4"), 4320, 2280, 5160, 2280, 3);
    addLine(QStringLiteral("Line6"), 5160, 2280, 5160, 2880, 3);
    addLine(QStringLiteral("Line7"), 5160, 3600, 5160, 4920, 3);
    addShape(QStringLiteral("Bola"), ShapeControl::Oval, {kBallLeft, 2280, 360, 360}, ole::Yellow, ole::DarkGrey);
    // The boxes and the button below stand over the drawing (the height box over the drop
    // mark).
    for (const char* name : {"Frame1", "RespostaFrame", "Cmd_Novo"})
        control(QString::fromUtf8(name))->raise();
    setBackColor(control(QStringLiteral("Frame1")), ole::ButtonFace);
    for (const char* name : {"Line5", "Line4", "Line6", "Line7", "Bola", "Frame1"}) {
        QWidget* w = control(QString::fromUtf8(name));
        drawing_.emplace_back(w, w->pos());
    }

    // The answer frame is display only: shown at the end of a run, never enabled. Its caption
    // looks disabled, but the answer inside keeps its colours, as the student must read it.
    QWidget* answer = control(QStringLiteral("RespostaFrame"));
    answer->setEnabled(false);
    answer->setVisible(false);
    for (const char* name : {"Label2(0)", "Label2(1)", "Resp_Percurso", "Resp_Tocou"}) {
        QLabel* text = label(QString::fromUtf8(name));
        QPalette pal = text->palette();
        pal.setColor(QPalette::Disabled, QPalette::WindowText, pal.color(QPalette::Active, QPalette::WindowText));
        text->setPalette(pal);
    }

    QLineEdit* h = textBox(QStringLiteral("H"));
    describe(h, QStringLiteral("Altura inicial da bola, em metros"), label(QStringLiteral("Label1(0)")));
    connect(h, &QLineEdit::textChanged, this, [this] { rearrange(); });
    QPushButton* novo = button(QStringLiteral("Cmd_Novo"));

    QListWidget* somaList = listBox(QStringLiteral("SomaList"));
    QListWidget* somList = listBox(QStringLiteral("SomList"));
    QListWidget* hList = listBox(QStringLiteral("HList"));
    setTabOrder({h, button(QStringLiteral("Cmd_Calc")), novo, somaList, somList, hList});
    setRun(std::make_unique<BouncingBall>(),
           {.calculate = QStringLiteral("Cmd_Calc"),
            .newCalculation = QStringLiteral("Cmd_Novo"),
            .offerNewFirst = true,
            .lockedWhileRunning = {QStringLiteral("H")},
            .clearedByNew = {QStringLiteral("H"), QStringLiteral("Hinicial"), QStringLiteral("HCont"),
                             QStringLiteral("Cont"), QStringLiteral("Resp_Percurso"), QStringLiteral("Resp_Tocou"),
                             QStringLiteral("H_Gráfico"), QStringLiteral("SomaList"), QStringLiteral("SomList"),
                             QStringLiteral("HList")},
            .focusOnNew = QStringLiteral("H")});

    // Whatever writes a value or a row (a click, the end of a run by an error, the reset of
    // the panel), the window makes room for it at once.
    arrangeOnResize({label(QStringLiteral("Hinicial")), label(QStringLiteral("HCont")), label(QStringLiteral("Cont")),
                     label(QStringLiteral("H_Gráfico")), label(QStringLiteral("Resp_Percurso")),
                     label(QStringLiteral("Resp_Tocou")), somaList, somList, hList, answer});
}

void BouncingBallWindow::arrange()
{
    const int gap = px(kGap);
    QLineEdit* h = textBox(QStringLiteral("H"));
    h->resize(widthToShow(h, px(975)), h->height());

    // Each list stands where its table puts it, or just right of the one before when that one
    // has widened for its rows.
    QListWidget* somaList = listBox(QStringLiteral("SomaList"));
    QListWidget* somList = listBox(QStringLiteral("SomList"));
    QListWidget* hList = listBox(QStringLiteral("HList"));
    followOn({somaList, somList, hList}, gap);

    // The drawing stands right of the lists and of the values beside the lines it faces.
    int panel = rightOf(hList);
    for (const char* name : {"HCont", "Cont"})
        if (const QLabel* value = label(QString::fromUtf8(name)); !value->text().isEmpty())
            panel = qMax(panel, rightOf(value));
    const int shift = qMax(0, panel + gap - px(kBallLeft));
    const QWidget* ball = control(QStringLiteral("Bola"));
    for (const auto& [w, designed] : drawing_)
        w->move(designed.x() + shift, w == ball ? w->y() : designed.y());
    QWidget* frame1 = control(QStringLiteral("Frame1"));
    frame1->resize(qMax(px(1215), rightOf(label(QStringLiteral("H_Gráfico"))) + px(150)), frame1->height());

    // The answer frame holds the whole path; "Novo_Calculo" stands clear of it.
    QWidget* answer = control(QStringLiteral("RespostaFrame"));
    answer->resize(qMax(px(3975), rightOf(label(QStringLiteral("Resp_Percurso"))) + gap), answer->height());
    // The count stands where its table puts it, in the blanks of its sentence, or further left
    // when a wide count would touch the word after them.
    const QLabel* tocou = label(QStringLiteral("Label2(1)"));
    QLabel* count = label(QStringLiteral("Resp_Tocou"));
    const QString sentence = tocou->text();
    const int blanks = sentence.indexOf(QStringLiteral("  "));
    int words = blanks;
    while (words < sentence.size() && sentence.at(words) == QLatin1Char(' '))
        ++words;
    const QFontMetrics fm(tocou->font());
    const int first = tocou->x() + fm.horizontalAdvance(sentence.left(blanks)) + 2;
    const int last = tocou->x() + fm.horizontalAdvance(sentence.left(words)) - 2;
    count->move(qMax(first, qMin(px(1200), last - count->width())), count->y());
    QPushButton* novo = button(QStringLiteral("Cmd_Novo"));
    followOn({answer, novo}, gap);

    growToFit();
}

framework::Form* createBouncingBall() { return new BouncingBallWindow; }

}  // namespace problems
