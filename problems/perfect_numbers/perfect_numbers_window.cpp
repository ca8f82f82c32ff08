// The window of the perfect numbers: its controls, the panel of its pseudo-code, and how a
// search goes on it.
#include "problems/perfect_numbers/perfect_numbers.h"

#include "framework/form.h"
#include "problems/problems.h"

namespace problems {

using namespace framework;
using C = ControlSpec;

class PerfectNumbersWindow : public Form {
public:
    PerfectNumbersWindow();
};

PerfectNumbersWindow::PerfectNumbersWindow()
    : Form(QStringLiteral("Número_perfeito"), QStringLiteral("Número Perfeito"), 7935, 7530)
{
    addControls({
        // The pseudo-code panel.
        {C::Label, "Label1(0)", "Soma = 0", {240, 0}, Panel},
        {C::Label, "Label1(1)", "N = 0", {240, 360}, Panel},
        {C::Label, "Label1(2)", "Enquanto N < 999 faça", {240, 720}, Panel},
        {C::Label, "Label1(3)", "N = N + 1 =", {480, 1080}, Panel},
        {C::Label, "Label1(4)", "Cont = 0", {480, 1440}, Panel},
        {C::Label, "Label1(9)", "Soma = 0", {480, 1800}, Panel},
        {C::Label, "Label1(5)", "Para ( Cont= 2  até  N )  Faça", {480, 2160}, Panel},
        {C::Label, "Label1(16)", "Se ( N MOD Cont = 0 ) então", {840, 2520}, Panel},
        {C::Label, "Label1(6)", "Soma = Soma +  ( N / Cont )", {1200, 2880}, Panel},
        {C::Label, "Label1(7)", "Se ( Soma > N ) então", {1320, 4200}, Panel},
        {C::Label, "Label1(8)", "Cont = N +1", {1560, 4560}, Panel},
        {C::Label, "Label1(10)", "Fim_se", {1440, 4920}, Panel},
        {C::Label, "Label1(17)", "Fim_se", {840, 5280}, Panel},
        {C::Label, "Label1(11)", "Fim_Para", {480, 5520}, Panel},
        {C::Label, "Label1(12)", "Se ( Soma = N ) então", {720, 5880}, Panel},
        {C::Label, "Label1(13)", "Escreva ( N , \" é um número perfeito \")", {840, 6240}, Panel},
        {C::Label, "Label1(14)", "Fim_se", {600, 6600}, Panel},
        {C::Label, "Label1(15)", "Fim_Enquanto", {240, 6960}, Panel},
        // 120 twips further right, clear of the "=" that ends its line in the face used here.
        {C::Value, "Wn", "", {1560 + 120, 1080}, PanelBold, ole::DarkBlue},
        {C::List, "List2", "", {1200, 3240, 615, 840}},
        {C::List, "List3", "", {2640, 3240, 615, 840}},
    });
    // "Enquanto" .. "Fim_Enquanto", "Para" .. "Fim_Para", and the three "Se" lines to their
    // "Fim_se"; the stroke of "Se ( Soma = N )" stands left of its "Fim_se".
    addBrackets(1, {
        {"Label1(2)", "Label1(15)"},
        {"Label1(5)", "Label1(11)"},
        {"Label1(16)", "Label1(17)"},
        {"Label1(7)", "Label1(10)"},
        {"Label1(12)", "Label1(14)", 495},
    });
    addControls({
        {C::Button, "Cmd_Calc", "Calcule", {3480, 480, 1215, 615}},
        {C::Label, "Label2", "Números Perfeitos", {5760, 1080}, PanelBold, ole::Blue},
        {C::List, "Resposta", "", {5760, 1680, 1335, 2220}},
    });

    setTabOrder({button(QStringLiteral("Cmd_Calc")), listBox(QStringLiteral("List2")),
                 listBox(QStringLiteral("List3")), listBox(QStringLiteral("Resposta"))});
    // The search lives as long as the window: no new calculation, the command never goes away.
    setRun(std::make_unique<PerfectNumbers>(),
           {.calculate = QStringLiteral("Cmd_Calc"), .end = RunSpec::End::Stay});
}

framework::Form* createPerfectNumbers() { return new PerfectNumbersWindow; }

}  // namespace problems
