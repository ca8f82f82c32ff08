// The window of the second method of problem 09: the panel of the search, its two commands
// (a pass per click, or the whole search), and how a run goes on it.
#include "problems/congruences_search/congruences_search.h"

#include "framework/form.h"
#include "problems/problems.h"

#include <QPushButton>

namespace problems {

using namespace congruences_search_controls;

using namespace framework;
using C = ControlSpec;

class CongruencesSearchWindow : public Form {
public:
    CongruencesSearchWindow();
};

CongruencesSearchWindow::CongruencesSearchWindow()
    : Form(QStringLiteral("XMOD123"), QStringLiteral("Inteiro dividido por 2,3 & 4 ( Versão 2 )"), 8235, 7575)
{
    addControls({
        {C::Label, "Label2(10)", "Inteiro :  R1,  R2,  R3,  X", {480, 120}},
        {C::Label, "Label2(13)", "Início", {360, 480}},
        {C::Label, "Label2(11)", "R1= 0", {600, 840}},
        {C::Label, "Label2(12)", "X = 0", {600, 1200}},
        {C::Label, "Label2(0)", "Enquanto ( R1 <> 2 Or R2 <> 3 Or R3 <> 4 )", {600, 1680}},
        {C::Label, "Label2(1)", "X = X + 1 =", {960, 2040}},
        {C::Value, Val::X, "", {2040, 2040}, Default, ole::DarkBlue},
        {C::Label, "Label2(2)", "R1  =  X  - 3 * ( X / 3 ) =", {960, 2400}},
        {C::Value, Val::XMod3, "", {3000, 2280}, Default, ole::DarkBlue},
        {C::Label, "Label2(3)", "Se R1 = 2 então", {960, 2760}},
        {C::Label, "Label2(4)", "R2  =  X  - 5  * ( X / 5 ) =", {1320, 3120}},
        {C::Value, Val::XMod5, "", {3360, 3120}, Default, ole::DarkBlue},
        {C::Label, "Label2(5)", "Se R2 = 3 então", {1320, 3480}},
        {C::Label, "Label2(6)", "R3  =  X  - 7  * ( X / 7 ) =", {1680, 3840}},
        {C::Value, Val::XMod7, "", {3720, 3840}, Default, ole::DarkBlue},
        {C::Label, "Label2(7)", "Fim_Se", {1320, 4320}},
        {C::Label, "Label2(8)", "Fim_Se", {960, 4680}},
        {C::Label, "Label2(9)", "Fim_Enquanto", {600, 5160}},
        {C::Label, "Label2(14)", "Fim", {240, 5520}},
        {C::Value, Val::Answer, "", {240, 6360}, Default, ole::DarkBlue},
        {C::Button, Cmd::StepByStep, "   Calcular Passo-a-passo", {5280, 840, 1455, 615}},
        {C::Button, Cmd::Calculate, "Calcular", {5280, 1920, 1455, 615}},
    });
    // "Início" to "Fim", the loop to "Fim_Enquanto", each "Se" to its "Fim_Se". The strokes
    // stand 15 to 75 twips left of where the lines would put them, their ticks 105 twips below
    // the lines' tops, and each bracket's stroke comes first (Line1, Line4, Line7, Line10).
    addBracket(1, 180, 360, 480, 240, 5520, 105);
    addBracket(4, 480, 600, 1680, 600, 5160, 105);
    addBracket(7, 840, 960, 2760, 960, 4680, 105);
    addBracket(10, 1200, 1320, 3480, 1320, 4320, 105);

    QPushButton* step = button(Cmd::StepByStep);
    // Its caption, leading blanks and all, stands on one line: the button is as wide as that needs.
    step->resize(qMax(step->width(), step->sizeHint().width()), step->height());

    setTabOrder({step, button(Cmd::Calculate)});
    setRun(std::make_unique<CongruencesSearch>(),
           {.calculate = Cmd::StepByStep,
            .end = RunSpec::End::Stay,
            .otherCommands = {Cmd::Calculate}});
}

framework::Form* createCongruencesSearch() { return new CongruencesSearchWindow; }

}  // namespace problems
