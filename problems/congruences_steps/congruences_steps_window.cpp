// The controls of X_Mod123 and how a run goes on it: the input strip, the summary page on the
// form, the frames of stages (i) and (ii) that lie over it, and the three buttons of the
// stages, made in this order so the frames lie over the summary page and the buttons over all.
#include "problems/congruences_steps/congruences_steps_window.h"

#include "problems/congruences_steps/congruences_steps.h"
#include "problems/problems.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <cstring>

namespace problems {

using namespace congruences_steps_controls;

using namespace framework;
using namespace xmod;
using C = ControlSpec;

namespace {

constexpr OleColor Grey = 0x808080;
constexpr OleColor LightGreyBack = 0xC0C0C0;
constexpr OleColor LightGreenFace = 0xC0FFC0;
constexpr OleColor LightOrangeFace = 0xC0E0FF;
constexpr OleColor LightCyanFace = 0xFFFFC0;

// The widest numbers a box is made for: six digits with two decimals and a sign, or eight
// digits and a sign.
const char* const WidestInputs[] = {"-1234.56", "-1234,56", "-99999999"};

QString name(const char* base, int index) { return QString::fromUtf8(base) + QStringLiteral("(%1)").arg(index); }

// Positions on the summary page below the strip are given from the form's top.
constexpr int low(int top) { return top - SummaryTop; }

}  // namespace

CongruencesStepsWindow::CongruencesStepsWindow()
    : Form(QStringLiteral("X_Mod123"), QStringLiteral("Inteiro dividido por 2,3 & 4 ( Versão 1)"), 10425, 8595)
{
    // Picture1 leaves the summary titles on its left uncovered; its picture sits behind the boxes.
    addStrip();
    // The lower part of the summary page, which the frames cover.
    lowerSummary_ = new QWidget(this);
    lowerSummary_->setGeometry(0, px(SummaryTop), width(), height() - px(SummaryTop));

    constexpr int Row2 = 720, Row3 = 1440;
    addControls({
        // The input strip.
        {C::TextBox, Box::Remainder[0], "2", {RemainderLeft, 0, BoxSize, BoxSize}, Default, 0xFFFFFFFF, Frame::Strip},
        {C::TextBox, Box::Modulus[0], "3", {ModulusLeft, 0, BoxSize, BoxSize}, Default, 0xFFFFFFFF, Frame::Strip},
        {C::Label, Text::RemainderCaption[0], "Div1", {RemainderLeft, 360}, Default, ole::Red, Frame::Strip},
        {C::Label, Text::ModulusCaption[0], "Mod1", {ModulusLeft, 360}, Default, ole::Red, Frame::Strip},
        {C::Label, Text::Words[1], "deixa resto", {WordsLeft, 60}, Default, ole::ButtonText, Frame::Strip},
        {C::TextBox, Box::Remainder[1], "3", {RemainderLeft, Row2, BoxSize, BoxSize}, Default, 0xFFFFFFFF, Frame::Strip},
        {C::TextBox, Box::Modulus[1], "5", {ModulusLeft, Row2, BoxSize, BoxSize}, Default, 0xFFFFFFFF, Frame::Strip},
        {C::Label, Text::RemainderCaption[1], "Div2", {RemainderLeft, Row2 + 360}, Default, ole::Red, Frame::Strip},
        {C::Label, Text::ModulusCaption[1], "Mod2", {ModulusLeft, Row2 + 360}, Default, ole::Red, Frame::Strip},
        {C::Label, Text::Words[2], "deixa resto", {WordsLeft, Row2 + 60}, Default, ole::ButtonText, Frame::Strip},
        {C::TextBox, Box::Remainder[2], "4", {RemainderLeft, Row3, BoxSize, BoxSize}, Default, 0xFFFFFFFF, Frame::Strip},
        {C::TextBox, Box::Modulus[2], "7", {ModulusLeft, Row3, BoxSize, BoxSize}, Default, 0xFFFFFFFF, Frame::Strip},
        {C::Label, Text::RemainderCaption[2], "Div3", {RemainderLeft, Row3 + 360}, Default, ole::Red, Frame::Strip},
        {C::Label, Text::ModulusCaption[2], "Mod3", {ModulusLeft, Row3 + 360}, Default, ole::Red, Frame::Strip},
        {C::Label, Text::Words[3], "deixa resto", {WordsLeft, Row3 + 60}, Default, ole::ButtonText, Frame::Strip},
        {C::Label, Text::Words[0], "Descobrir um número inteiro, positivo que, dividido por", {120, 600}, Panel,
         ole::ButtonText, Frame::Strip},

        // The summary page, above the strip's line.
        {C::Label, Text::StageMdc, "( i ) Cálculo do MDC:", {240, 960}, Default, ole::DarkGrey},
        {C::Label, Val::Congruence[0], "", {360, 1320}, Default, Grey},
        {C::Label, Val::Congruence[1], " ", {2520, 1320}, Default, Grey},
        {C::Label, Val::Congruence[2], "", {4440, 1320}, Default, Grey},
        {C::Label, Val::ConclusionMdc, "", {600, 1680}, Pt825Bold, ole::DarkGrey},

        // Stage (i): Euclid's algorithm.
        {C::Frame, Frame::Mdc, "*  Cálculo do MDC(R1,R2)   e   MDC ( MDC (R1,R2) , R3) *",
         {FrameLeft, SummaryTop, FrameWidth, 5295}, Pt825Bold},
        {C::Label, Line::TerminaFalse, "Termina = Falso", {360, 360}, Default, ole::ButtonText, Frame::Mdc},
        {C::Label, Line::WhileNotTermina, "Faça enquanto  ( Termina = Falso )", {360, 720}, Default, ole::ButtonText, Frame::Mdc},
        {C::Label, Line::IfMod2IsMenor, "Se (Mod2= Menor )  então Termina= Verdadeiro", {480, 1080}, Default, ole::ButtonText,
         Frame::Mdc},
        {C::Label, Line::IfMod1AboveMod2, "Se Mod1> Mod2 então", {480, 1440}, Default, ole::ButtonText, Frame::Mdc},
        {C::Label, "Label2(7)", "Mod1= Maior =", {1080, 1800}, Default, ole::ButtonText, Frame::Mdc},
        {C::Label, "Label2(8)", "Mod2= Menor =", {1080, 2160}, Default, ole::ButtonText, Frame::Mdc},
        {C::Label, Line::Else, "Senão", {720, 2520}, Default, ole::ButtonText, Frame::Mdc},
        {C::Label, "Label2(10)", "Mod2= Maior =", {1080, 2880}, Default, ole::ButtonText, Frame::Mdc},
        {C::Label, "Label2(11)", "Mod1= Menor =", {1080, 3240}, Default, ole::ButtonText, Frame::Mdc},
        {C::Label, Line::EndIf, "Fim_Se", {480, 3600}, Default, ole::ButtonText, Frame::Mdc},
        {C::Label, "Label2(13)", "Resto = (Maior  MOD  Menor) =", {480, 3960}, Default, ole::ButtonText, Frame::Mdc},
        {C::Label, Line::WhileResto, "Faça enquanto  ( Resto <> 0 )", {5640, 480}, Default, ole::ButtonText, Frame::Mdc},
        {C::Label, "Label2(15)", "Maior = Menor =", {5880, 840}, Default, ole::ButtonText, Frame::Mdc},
        {C::Label, "Label2(16)", " Menor = Resto =", {5880, 1440}, Default, ole::ButtonText, Frame::Mdc},
        {C::Label, "Label2(17)", "Resto = (Maior  MOD  Menor) =", {5880, 2040}, Default, ole::ButtonText, Frame::Mdc},
        {C::Label, Line::EndWhileResto, "Fim_Faça", {5640, 2880}, Default, ole::ButtonText, Frame::Mdc},
        {C::Label, "Label2(19)", "Mod2= Menor =", {5640, 3240}, Default, ole::ButtonText, Frame::Mdc},
        {C::Label, "Label2(20)", "Mod1  = Mod3 =", {5640, 3600}, Default, ole::ButtonText, Frame::Mdc},
        {C::Label, "Label2(21)", "Fim_Faça", {5520, 3960}, Default, ole::ButtonText, Frame::Mdc},
        // The value labels show their first captions until the first click.
        {C::Label, Val::Maior[0], "Label4", {2520, 1800}, Pt825Bold, ole::Red, Frame::Mdc},
        {C::Label, Val::Menor[0], "Label4", {2520, 2160}, Pt825Bold, ole::Red, Frame::Mdc},
        {C::Label, Val::Maior[1], "Label4", {2520, 2880}, Pt825Bold, ole::Red, Frame::Mdc},
        {C::Label, Val::Menor[1], "Label4", {2520, 3240}, Pt825Bold, ole::Red, Frame::Mdc},
        {C::Label, Val::Mod2Final, "Label3", {7200, 3240}, Pt825Bold, ole::Red, Frame::Mdc},
        {C::Label, Val::Mod1Final, "Label5", {7200, 3600}, Pt825Bold, ole::Red, Frame::Mdc},
        {C::List, List::Rest, "", {3240, 3960, 495, 450}, Default, 0xFFFFFFFF, Frame::Mdc},
        {C::List, List::Maior, "", {7440, 840, 1215, 450}, Default, 0xFFFFFFFF, Frame::Mdc},
        {C::List, List::Menor, "", {7440, 1440, 1215, 450}, Default, 0xFFFFFFFF, Frame::Mdc},
        {C::List, List::Resto, "", {6720, 2280, 1215, 450}, Default, 0xFFFFFFFF, Frame::Mdc},

        // Stage (ii): the products, the reduced congruences and the inverse searches.
        {C::Frame, Frame::Mod, "* Cálculo do Módulo", {FrameLeft, SummaryTop, FrameWidth, 6135}, Pt825Bold},
        {C::Label, "Label5(0)", "Mod =  Mod1  *  Mod2  *  Mod3  =", {360, 360}, Default, ole::ButtonText, Frame::Mod},
        {C::Value, Val::Modulo, "", {3360, 360}, Pt825Bold, ole::Red, Frame::Mod},
        {C::Label, "Label5(1)", "N1 =   Mod2  *  Mod3  =", {360, 720}, Default, ole::ButtonText, Frame::Mod},
        {C::Value, Val::N1, "", {2400, 720}, Pt825Bold, ole::Red, Frame::Mod},
        {C::Label, "Label5(2)", "N2 =  Mod1  *  Mod3  =", {360, 1080}, Default, ole::ButtonText, Frame::Mod},
        {C::Value, Val::N2, "", {2400, 1080}, Pt825Bold, ole::Red, Frame::Mod},
        {C::Label, "Label5(3)", "N3 =  Mod1  *  Mod2  =", {360, 1440}, Default, ole::ButtonText, Frame::Mod},
        {C::Value, Val::N3, "", {2400, 1440}, Pt825Bold, ole::Red, Frame::Mod},
        {C::Label, Val::ModX[0][2], "", {120, 2040}, Default, ole::Blue, Frame::Mod},
        {C::Label, Val::ModX[0][0], "", {2640, 2040}, Default, ole::Blue, Frame::Mod},
        {C::Label, Val::ModX[1][2], "", {120, 2520}, Default, ole::Blue, Frame::Mod},
        {C::Label, Val::ModX[1][0], "", {2640, 2520}, Default, ole::Blue, Frame::Mod},
        {C::Label, Val::ModX[2][2], "", {120, 3000}, Default, ole::Blue, Frame::Mod},
        {C::Label, Val::ModX[2][0], "", {2640, 3000}, Default, ole::Blue, Frame::Mod},
        {C::Value, Val::SearchTitle, "", {8160, 240}, Pt825Bold, ole::Blue, Frame::Mod},
        // The search panel runs to the right edge; the long lines wrap inside their own height.
        {C::Label, Line::Search[0], "", {8040, 600}, Default, ole::ButtonText, Frame::Mod},
        {C::Label, Line::Search[1], "", {8040, 960}, Default, ole::ButtonText, Frame::Mod},
        {C::Label, Line::Search[2], "", {8040, 1320}, Default, ole::ButtonText, Frame::Mod},
        {C::Label, Line::Search[3], "", {8280, 1680, FrameWidth - 8280, 360}, Default, ole::ButtonText, Frame::Mod},
        {C::Label, Line::Search[4], "", {8280, 2040, FrameWidth - 8280, 600}, Default, ole::ButtonText, Frame::Mod},
        {C::Label, Line::Search[5], "", {8040, 2640}, Default, ole::ButtonText, Frame::Mod},
        {C::Label, Line::Search[6], "", {8040, 3000}, Default, ole::ButtonText, Frame::Mod},
        {C::Label, Val::SoX[0], "", {120, 3600}, Default, ole::ButtonText, Frame::Mod},
        {C::Label, Val::SoX[1], "", {1680, 3600}, Default, ole::ButtonText, Frame::Mod},
        {C::Label, Val::SoX[2], "", {3240, 3600}, Default, ole::ButtonText, Frame::Mod},
        {C::Label, "Label6", "X = (Mod1 * N1 * X1)  + ( Mod2 * N2 * X2)  + (Mod3 * N3 * X3 )", {240, 4200}, Default,
         ole::ButtonText, Frame::Mod},
        {C::Label, "Label7(0)", "X =", {240, 4680}, Default, ole::ButtonText, Frame::Mod},
        {C::Value, Val::X[0], "", {720, 4680}, Pt825Bold, ole::Red, Frame::Mod},
        {C::Label, "Label7(1)", "X =", {240, 5160}, Default, ole::ButtonText, Frame::Mod},
        {C::Value, Val::X[1], "", {720, 5160}, Pt825Bold, ole::Red, Frame::Mod},
        // 1455 twips wide, so that the caption fits on the button.
        {C::Button, Cmd::Next, " Próximo  Cálculo", {8280, 4200, 1455, 735}, Default, 0xFFFFFFFF, Frame::Mod},

        // The buttons of the stages, one at a time in the same place.
        {C::Button, Cmd::Mdc, "Calculo_MDC", {ButtonLeft, 360, ButtonWidth, 495}},
        {C::Button, Cmd::Mod, "Calculo_MOD", {ButtonLeft, 360, ButtonWidth, 495}},
        {C::Button, Cmd::Final, "Cálculo &Final", {ButtonLeft, 360, ButtonWidth, 495}},
    });

    // Below the strip, the summary of stages (ii) and (iii), in the part the frames cover.
    struct SummaryLine {
        TableName name;
        const char* caption;
        int left, top;
        FontSpec font;
        OleColor fore;
    };
    static const SummaryLine summary[] = {
        {"Label3(2)", "( i i ) Cálculo do MÓDULO :", 240, 2160, Default, ole::DarkGrey},
        {Val::Cofactor[0], "", 360, 2520, Default, Grey},
        {Val::Cofactor[1], "", 360, 3000, Default, Grey},
        {Val::Cofactor[2], "", 360, 3480, Default, Grey},
        {Val::ModX[0][1], "", 2760, 2520, Default, ole::ButtonText},
        {Val::ModX[1][1], "", 2760, 3000, Default, ole::ButtonText},
        {Val::ModX[2][1], "", 2760, 3480, Default, ole::ButtonText},
        {Val::ConclusionMod, "", 600, 4080, Pt825Bold, ole::ButtonText},
        {"Label3(3)", "( i i i ) Cálculo FINAL:", 240, 4680, Default, ole::DarkGrey},
        {Val::Final[0], "", 600, 5160, Default, ole::DarkGrey},
        {Val::Final[1], "", 600, 5640, Default, ole::DarkGrey},
        {Val::Final[2], "", 600, 6120, Default, ole::DarkGrey},
        {Val::Final[3], "", 600, 6600, Default, ole::DarkGrey},
        {Val::Final[4], "", 600, 7320, Pt825Bold, ole::DarkGrey},
    };
    for (const SummaryLine& l : summary)
        addLabel(QString::fromUtf8(l.name.utf8), QString::fromUtf8(l.caption), {l.left, low(l.top)}, l.font, l.fore,
                 lowerSummary_);
    // The arrow from each congruence to its reduced form.
    for (int k = 0; k < 3; ++k) {
        const int y = low(2520 + 480 * k) + 120;
        Arrow_[k][0] = addLine(name("Line14", k), 2280, y, 2640, y, 1, ole::DarkGrey, lowerSummary_);
        Arrow_[k][1] = addLine(name("Line15", k), 2520, y - 60, 2640, y, 1, ole::DarkGrey, lowerSummary_);
        Arrow_[k][2] = addLine(name("Line16", k), 2520, y + 60, 2640, y, 1, ole::DarkGrey, lowerSummary_);
    }
    // The drawn congruence signs beside Label1(0) .. (2) (signs 0 .. 2), beside Cálc_Mod(0),
    // (1), (2) (signs 5, 4, 3) and beside the reduced ones (signs 6, 7, 8).
    for (int i = 0; i < 3; ++i)
        addCongruenceSign(i, this, ole::DarkGrey);
    for (int k = 0; k < 3; ++k)
        addCongruenceSign(5 - k, lowerSummary_, Grey);
    for (int k = 0; k < 3; ++k)
        addCongruenceSign(6 + k, lowerSummary_, Grey);
    // The page shows with the window once no frame covers it; until then its controls keep
    // their own visibility.
    for (QWidget* control : lowerSummary_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!control->testAttribute(Qt::WA_WState_ExplicitShowHide))
            control->show();

    // Stage (i)'s brackets: the outer loop runs down the left column and closes at the right
    // column's "Fim_Faça" (four strokes of their own); the choice and the remainder loop, whose
    // strokes stand 15 twips left of where their lines would put them.
    Frame_MDC_ = qobject_cast<QGroupBox*>(control(Frame::Mdc));
    addLine(QStringLiteral("Line4"), 240, 840, 360 - 45, 840, 1, ole::Black, Frame_MDC_);
    addLine(QStringLiteral("Line5"), 240, 840, 240, 4560, 1, ole::Black, Frame_MDC_);
    addLine(QStringLiteral("Line6"), 240, 4560, 5400, 4560, 1, ole::Black, Frame_MDC_);
    addLine(QStringLiteral("Line7"), 5400, 4560, 5400, 4080, 1, ole::Black, Frame_MDC_);
    addBrackets(8, {{Line::IfMod1AboveMod2, Line::EndIf, 360}, {Line::WhileResto, Line::EndWhileResto, 5520}});

    // Stage (ii)'s links from each congruence to its reduced form, its marks, and the bracket
    // of the search loop: all shown by the MOD click.
    Frame_MOD_ = qobject_cast<QGroupBox*>(control(Frame::Mod));
    for (int i = 0; i < 3; ++i) {
        const int top = 2040 + 480 * i;
        Line17_[i] = addLine(Stroke::Link[i].text(), 1920, top + 240, 2520, top + 240, 1, ole::Blue, Frame_MOD_);
        Line17_[i]->hide();
    }
    addMarks(Frame_MOD_);
    // The search loop's stroke stands 15 twips left of where its lines would put it.
    addBrackets(18, {{Line::Search[2], Line::Search[5], 7920}});
    for (framework::Name line : Stroke::SearchLoop)
        control(line)->hide();

    // The frames hide the part of the summary page that lies under them.
    for (QGroupBox* frame : {Frame_MDC_, Frame_MOD_}) {
        frame->setAutoFillBackground(true);
        frame->installEventFilter(this);
    }
    Frame_MOD_->hide();

    for (int i = 0; i < 3; ++i) {
        Mod_[i] = textBox(Box::Remainder[i]);
        R_[i] = textBox(Box::Modulus[i]);
        describe(Mod_[i], QStringLiteral("Resto da congruência %1").arg(i + 1));
        describe(R_[i], QStringLiteral("Módulo da congruência %1").arg(i + 1));
        DivCaption_[i] = label(Text::RemainderCaption[i]);
        ModCaption_[i] = label(Text::ModulusCaption[i]);
        Label1_[i] = label(Val::Congruence[i]);
        Calc_Mod_[i] = label(Val::Cofactor[i]);
        for (int k = 0; k < 3; ++k)
            ModX_[i][k] = label(Val::ModX[i][k]);
    }
    for (int i = 0; i < 4; ++i)
        Words_[i] = label(Text::Words[i]);
    Conclusion_ = label(Val::ConclusionMdc);
    setBackColor(label(Text::StageMdc), LightGreyBack);
    // The boxes are as wide as the widest number a student is likely to type.
    boxWidth_ = Mod_[0]->width();
    for (const char* sample : WidestInputs)
        boxWidth_ = widthToShow(Mod_[0], boxWidth_, QString::fromUtf8(sample));

    Cmd_Calc_MDC_ = button(Cmd::Mdc);
    Cmd_Calc_MOD_ = button(Cmd::Mod);
    Cmd_Final_ = button(Cmd::Final);
    QPushButton* next = button(Cmd::Next);
    setBackColor(next, ole::Yellow);
    setBackColor(Cmd_Calc_MDC_, LightGreenFace);
    setBackColor(Cmd_Calc_MOD_, LightOrangeFace);
    setBackColor(Cmd_Final_, LightCyanFace);
    // Only the first stage's frame at the start (and its button: the run's "ready").
    Frame_MDC_->show();

    setTabOrder({Mod_[0], R_[0], Mod_[1], R_[1], Mod_[2], R_[2], Cmd_Calc_MDC_, Cmd_Calc_MOD_, next, Cmd_Final_});
    // The window has no new-calculation command of its own: every stage's button runs its
    // stage, and a run-time error leaves the button of the stage offered (the algorithm's step
    // says which stage), so the student can correct the boxes and go again. Each stage shows
    // its own button only.
    using C = RunSpec::Change;
    const auto only = [](Name shown) {
        std::vector<C> changes;
        for (Name command : {Cmd::Mdc, Cmd::Mod, Cmd::Next, Cmd::Final})
            if (!(command == shown))
                changes.push_back({C::Hide, command});
        if (!shown.isEmpty())
            changes.push_back({C::Show, shown});
        return changes;
    };
    setRun(std::make_unique<CongruencesSteps>(),
           {.calculate = Cmd::Mdc,
            .end = RunSpec::End::Hide,
            .otherCommands = {Cmd::Mod, Cmd::Next, Cmd::Final},
            .errorStopsOnlyTheClick = true,
            .stages = {{"ready", only(Cmd::Mdc)},
                       {"mod", only(Cmd::Mod)},
                       {"next", only(Cmd::Next)},
                       {"final", only(Cmd::Final)},
                       {"solved", only({})}}});
    layOut();
}

// What a step wrote stands clear of its neighbours (the run cycle lays the window out after
// every step, and after going back to one).
void CongruencesStepsWindow::arrange() { layOut(); }

// The window keeps what the interrupted click wrote, laid out as any step is.
framework::Form* createCongruencesSteps() { return new CongruencesStepsWindow(); }

}  // namespace problems
