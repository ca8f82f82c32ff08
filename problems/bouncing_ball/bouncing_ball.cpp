#include "problems/bouncing_ball/bouncing_ball.h"

#include "framework/text.h"
#include "problems/problems.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace problems {

using namespace framework;
using num::Value;

namespace {
const QString kTitle = QStringLiteral("Altura da Bola");
// Tops of the ball, in twips: where it is dropped from, and lying on the floor.
constexpr float kDropTop = 2280;
constexpr float kFloorTop = 4520;
// The ball's top when its height above the floor is 0.
constexpr double kGroundTop = 4570;
}  // namespace

BouncingBallForm::BouncingBallForm() : Form(QStringLiteral("Altura_Bola"), kTitle, 7260, 7260)
{
    addLabel(QStringLiteral("Label1(0)"), QStringLiteral("Informe a altura (em metros) que a bola foi lançada :"),
             {240, 240});
    H_ = addTextBox(QStringLiteral("H"), QString(), {5040, 240, 975, 375});
    describe(H_, QStringLiteral("Altura inicial da bola, em metros"), label(QStringLiteral("Label1(0)")));
    Cmd_Calc_ = addButton(QStringLiteral("Cmd_Calc"), QStringLiteral("Calcular"), {4320, 1080, 1575, 495}, Pt12Bold);
    buildPanel();
    buildDrawing();
    buildAnswer();
    Cmd_Novo_ = addButton(QStringLiteral("Cmd_Novo"), QStringLiteral("Novo_Calculo"), {4560, 6000, 1695, 615},
                          PanelBold);
    Cmd_Novo_->setEnabled(false);

    setTabOrder({H_, Cmd_Calc_, Cmd_Novo_, SomaList_, SomList_, HList_});
    setNewCalculationCommand(Cmd_Novo_);
    setCalculateCommand(Cmd_Calc_);
    onClick(Cmd_Calc_, [this] { Cmd_Calc_Click(); });
    onClick(Cmd_Novo_, [this] { Cmd_Novo_Click(); });
    guarded([this] { Form_Load(); });
}

void BouncingBallForm::buildPanel()
{
    addLabels({
        {"Label1(1)", "Soma = H =", 240, 600, 0, 0, Panel},
        {"Label1(2)", "Cont = 0", 240, 960, 0, 0, Panel},
        {"Label1(3)", "Faça enquanto ( H  > 0,001 )", 360, 1560, 0, 0, Panel},
        {"Label1(4)", "H =  H / 2  =", 480, 2040, 0, 0, Pt12Bold},
        {"Label1(5)", "Soma   =   Soma   +    H", 240, 2520, 0, 0, Pt12Bold},
        {"Label1(7)", "Cont = Cont + 1 = ", 480, 4320, 0, 0, Pt12Bold},
        {"Label1(6)", "Fim_Faça", 360, 4800, 0, 0, Panel},
    });
    Hinicial_ = addValueLabel(QStringLiteral("Hinicial"), 1320, 600, PanelBold);
    HCont_ = addValueLabel(QStringLiteral("HCont"), 2040, 2040, Pt135Bold);
    Cont_ = addValueLabel(QStringLiteral("Cont"), 2760, 4320, Pt135Bold);
    keepClearOf(Hinicial_, label(QStringLiteral("Label1(1)")));
    keepClearOf(HCont_, label(QStringLiteral("Label1(4)")));
    keepClearOf(Cont_, label(QStringLiteral("Label1(7)")));

    // The lists under the words "Soma", "Soma" and "H" of the line above them.
    SomaList_ = addListBox(QStringLiteral("SomaList"), {240, 2880, 855, 1230});
    SomList_ = addListBox(QStringLiteral("SomList"), {1440, 2880, 855, 1230});
    HList_ = addListBox(QStringLiteral("HList"), {2520, 2880, 975, 1230});

    // Bracket of the loop, from "Faça enquanto" down to "Fim_Faça".
    addLine(QStringLiteral("Line1"), 120, 1680, 360, 1680);
    addLine(QStringLiteral("Line2"), 120, 1680, 120, 4920);
    addLine(QStringLiteral("Line3"), 120, 4920, 360, 4920);
}

void BouncingBallForm::buildDrawing()
{
    // The lines lie under the frame, which hides the part of the drop mark behind it.
    addLine(QStringLiteral("Line5"), 3480, 4920, 5760, 4920, 8);
    addLine(QStringLiteral("Line4"), 4320, 2280, 5160, 2280, 3);
    addLine(QStringLiteral("Line6"), 5160, 2280, 5160, 3000, 3);
    addLine(QStringLiteral("Line7"), 5160, 3600, 5160, 4920, 3);
    Bola_ = addShape(QStringLiteral("Bola"), ShapeControl::Oval, {4080, 2280, 360, 360}, ole::Yellow, ole::DarkGrey);
    auto frame = addFrame(QStringLiteral("Frame1"), QStringLiteral("   Altura"), {4680, 2880, 1215, 735});
    setBackColor(frame, ole::ButtonFace);
    H_Grafico_ = addLabel(QStringLiteral("H_Gráfico"), QString(), {120, 240, 945, 375}, Pt825Bold, ole::Blue, frame);
}

void BouncingBallForm::buildAnswer()
{
    // 240 twips wider than designed, so that the path stays inside it once its label has
    // made room for the wider face.
    RespostaFrame_ = addFrame(QStringLiteral("RespostaFrame"), QStringLiteral("Resposta"), {240, 5400, 4215, 1455},
                              PanelBold, ole::Red);
    addLabel(QStringLiteral("Label2(0)"), QStringLiteral("O percurso total feito pela bola foi "),
             {240, 360, 3495, 375}, Default, ole::ButtonText, RespostaFrame_);
    Resp_Percurso_ = addValueLabel(QStringLiteral("Resp_Percurso"), 2760, 360, Pt825Bold, ole::Red, RespostaFrame_);
    keepClearOf(Resp_Percurso_, label(QStringLiteral("Label2(0)")), 0);
    addLabel(QStringLiteral("Label2(1)"), QStringLiteral("A bola tocou          vez (es)  no chão."),
             {240, 720, 3495, 375}, Default, ole::ButtonText, RespostaFrame_);
    Resp_Tocou_ = addValueLabel(QStringLiteral("Resp_Tocou"), 1200, 720, Pt825Bold, ole::Red, RespostaFrame_);
    // The frame is display only: shown at the end of a run, never enabled.
    RespostaFrame_->setEnabled(false);
    RespostaFrame_->setVisible(false);
}

void BouncingBallForm::Form_Load() { Inicio = QStringLiteral("S"); }

void BouncingBallForm::Limpa_Campo()
{
    clear({H_, Hinicial_, HCont_, Cont_, Resp_Percurso_, Resp_Tocou_, H_Grafico_});
    RespostaFrame_->setVisible(false);
    SomaList_->clear();
    SomList_->clear();
    HList_->clear();
}

void BouncingBallForm::Cmd_Calc_Click()
{
    setTopTwips(Bola_, kFloorTop);

    if (Inicio == QLatin1String("S")) {
        H = Value::dbl(valOf(caption(H_)));
        if (H <= 0.0) {
            messageBox(QStringLiteral("Impossível calcular"), OkOnly, kTitle);
            setTopTwips(Bola_, kDropTop);
            H_->setFocus();
            return;
        }
        Altura = Value::integer(2280);
        setCaption(Hinicial_, caption(H_));
        H_->setEnabled(false);
        Cont = Value::integer(0);
        Soma = H.toDouble();
        Inicio = QStringLiteral("N");
        setTopTwips(Bola_, kDropTop);
    }

    if (H > 0.001) {
        H = H / Value::integer(2);
        setCaption(HCont_, shown(H));

        SomList_->addItem(shownDouble(Soma));
        Soma = num::checked(Soma + H.toDouble());
        SomaList_->addItem(shownDouble(Soma));
        HList_->addItem(shown(H));

        Cont = Cont + Value::integer(1);
        setCaption(Cont_, shown(Cont));
        setCaption(H_Grafico_, shownDouble(Soma));

        // The ball rises half as high as on the bounce before.
        const Value half = Altura / Value::integer(2);
        Topo = num::toInteger(kGroundTop - half.toDouble());
        setTopTwips(Bola_, Topo);
        Altura = half;
    } else {
        setCaption(Resp_Percurso_, shownDouble(Soma));
        setCaption(Resp_Tocou_, shown(Cont));
        RespostaFrame_->setVisible(true);
        Cmd_Novo_->setEnabled(true);
        Cmd_Calc_->setEnabled(false);
    }
}

void BouncingBallForm::Cmd_Novo_Click()
{
    Limpa_Campo();
    setTopTwips(Bola_, kDropTop);
    Cmd_Novo_->setEnabled(false);
    Cmd_Calc_->setEnabled(true);
    H_->setEnabled(true);
    Inicio = QStringLiteral("S");
    H_->setFocus();
}

framework::Form* createBouncingBall() { return new BouncingBallForm; }

}  // namespace problems
