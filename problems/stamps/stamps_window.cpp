// The window of the stamps problem: its controls, the panel of its pseudo-code, and how a run
// goes on it.
#include "problems/stamps/stamps.h"

#include "framework/form.h"
#include "problems/problems.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>

namespace problems {

using namespace stamps_controls;

using namespace framework;
using C = ControlSpec;

namespace {
// The widest count of stamps a run can show: more than 32767 5-cent stamps overflow.
const QString WidestCount = QStringLiteral("32767");
}  // namespace

class StampsWindow : public Form {
public:
    StampsWindow();
};

StampsWindow::StampsWindow()
    : Form(QStringLiteral("Trocas_selos"), QStringLiteral("Trocas de reais por selos de 3 e 5 centavos"), 6990, 7410)
{
    addControls({
        {C::Label, Text::Prompt, "Informe quantia em reais : ", {360, 360}, Pt12},
        {C::Label, "Label2(0)", "X", {3720, 120}, PanelBold},
        {C::TextBox, Box::X, "", {3360, 360, 975, 495}},
        {C::Button, Cmd::Solve, "Resolver", {4800, 240, 1215, 615}},
        {C::Button, Cmd::NewCalculation, "&Novo Cálculo", {4560, 3960, 1455, 495}},
        {C::Frame, Frame::Solution, "Solução", {3720, 5040, 2895, 1455}},
        {C::Label, Val::Stamps3, "", {120, 480, 705, 300}, Pt12Bold, ole::Red, Frame::Solution},
        {C::Label, Text::Stamps3Words, "Selos de 3 Centavos", {840, 480}, Default, ole::ButtonText, Frame::Solution},
        {C::Label, Val::Stamps5, "", {120, 960, 705, 300}, Pt12Bold, ole::Red, Frame::Solution},
        {C::Label, Text::Stamps5Words, "Selos de 5 Centavos", {840, 960}, Default, ole::ButtonText, Frame::Solution},
        {C::Label, "Label4", "RESPOSTA", {480, 7080}, Pt135Bold, ole::Red},

        // The pseudo-code panel.
        {C::Label, "Label2(1)", "Valore = X * 100 =", {360, 1200}, Panel},
        {C::Label, "Label2(2)", "Cont3 = 0", {360, 1560}, Panel},
        {C::Label, "Label2(3)", "Cont5 = 0", {360, 1920}, Panel},
        {C::Label, Line::DoWhile, "Faça enquanto ( valor <> 0 )", {480, 2280}, Panel},
        {C::Label, Line::IfValorMod5, "Se ( Valor MOD 5 = 0 )  então", {600, 2640}, Panel},
        {C::Label, Line::Cont5PlusValorDiv5, "Cont5 = cont5 + (valor / 5) =", {960, 3000}, Panel},
        {C::Label, "Label2(9)", "Valor = 0", {960, 3360}, Panel},
        {C::Label, "Senão", "Senão", {840, 3720}, Panel},
        {C::Label, Line::ValorMinus3, "Valor =  Valor  -  3  = ", {1080, 4080}, Panel},
        {C::Label, "Label2(10)", "Cont3 = cont3  + 1 =", {1080, 4440}, Panel},
        {C::Label, Line::IfCont3Above6, "Se Cont3 > 6 então", {1080, 4800}, Panel},
        {C::Label, "Label2(12)", "Cont3 = Cont3 - 5 = ", {1440, 5160}, Panel},
        {C::Label, "Label2(13)", "Cont5 = Cont5 +1 = ", {1440, 5520}, Panel},
        {C::Label, Line::EndIfCont3, "Fim_Se", {1080, 5880}, Panel},
        {C::Label, Line::EndIfValorMod5, "Fim_Se", {720, 6240}, Panel},
        {C::Label, Line::EndDo, "Fim_Faça", {600, 6600}, Panel},
        // Cont51 and Cont3Mais stand 180 twips further right, clear of the "=" that ends
        // their lines in the face used here.
        {C::Value, Val::ValorTimes100, "", {2160, 1200}},
        {C::Value, Val::Cont5, "", {3480 + 180, 3000}},
        {C::Value, Val::Valor, "", {3000, 4080}},
        {C::Value, Val::Cont3, "", {2880 + 180, 4440}},
        {C::Value, Val::Cont3Minus5, "", {3240, 5160}},
        {C::Value, Val::Cont5Plus1, "", {3120, 5520}},
    });
    // "Faça enquanto" .. "Fim_Faça", "Se ( Valor MOD 5 = 0 )" .. its "Fim_Se", "Se Cont3 > 6"
    // .. its "Fim_Se".
    addBrackets(4, {
        {Line::DoWhile, Line::EndDo},
        {Line::IfValorMod5, Line::EndIfValorMod5},
        {Line::IfCont3Above6, Line::EndIfCont3, 955},
    });
    // The arrow from "RESPOSTA" towards the answer.
    addLine(QStringLiteral("Line1"), 2160, 7080, 3480, 6360, 5, ole::Red);
    addLine(QStringLiteral("Line2"), 3480, 6360, 3180, 6360, 5, ole::Red);
    addLine(QStringLiteral("Line3"), 3480, 6360, 3330, 6620, 5, ole::Red);

    QLineEdit* x = textBox(Box::X);
    describe(x, QStringLiteral("Quantia em reais"), label(Text::Prompt));
    x->setToolTip(QStringLiteral("Para representar centavos, use Ponto."));

    // The counts are wider than their labels in this face: each label takes the widest count,
    // and the words after it stand clear of it (both rows alike).
    QLabel* selo5 = label(Val::Stamps5);
    const int countWidth = QFontMetrics(selo5->font()).horizontalAdvance(WidestCount) + 2;
    for (Name count : {Val::Stamps3, Val::Stamps5}) {
        QLabel* l = label(count);
        l->resize(qMax(l->width(), countWidth), l->height());
    }
    for (Name words : {Text::Stamps3Words, Text::Stamps5Words}) {
        QLabel* l = label(words);
        l->move(qMax(l->x(), selo5->geometry().right() + 1 + 4), l->y());
    }

    setTabOrder({x, button(Cmd::Solve), button(Cmd::NewCalculation)});
    setRun(std::make_unique<Stamps>(),
           {.calculate = Cmd::Solve,
            .newCalculation = Cmd::NewCalculation,
            .lockedWhileRunning = {Box::X},
            .clearedByNew = {Box::X, Val::Stamps3, Val::Stamps5,
                             Val::Cont5, Val::Valor, Val::Cont3Minus5,
                             Val::Cont3, Val::Cont5Plus1, Val::ValorTimes100}});
}

framework::Form* createStamps() { return new StampsWindow; }

}  // namespace problems
