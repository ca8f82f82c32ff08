// The window of the perfect numbers: its controls, the panel of its pseudo-code, and how a
// search goes on it.
#include "problems/perfect_numbers/perfect_numbers.h"

#include "framework/form.h"
#include "problems/problems.h"

namespace problems {

using namespace perfect_numbers_controls;

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
        {C::Label, Line::WhileNBelow999, "Enquanto N < 999 faça", {240, 720}, Panel},
        {C::Label, "Label1(3)", "N = N + 1 =", {480, 1080}, Panel},
        {C::Label, "Label1(4)", "Cont = 0", {480, 1440}, Panel},
        {C::Label, "Label1(9)", "Soma = 0", {480, 1800}, Panel},
        {C::Label, Line::ForCont, "Para ( Cont= 2  até  N )  Faça", {480, 2160}, Panel},
        {C::Label, Line::IfNModCont0, "Se ( N MOD Cont = 0 ) então", {840, 2520}, Panel},
        {C::Label, "Label1(6)", "Soma = Soma +  ( N / Cont )", {1200, 2880}, Panel},
        {C::Label, Line::IfSomaAboveN, "Se ( Soma > N ) então", {1320, 4200}, Panel},
        {C::Label, "Label1(8)", "Cont = N +1", {1560, 4560}, Panel},
        {C::Label, Line::EndIfSomaAboveN, "Fim_se", {1440, 4920}, Panel},
        {C::Label, Line::EndIfNModCont0, "Fim_se", {840, 5280}, Panel},
        {C::Label, Line::EndFor, "Fim_Para", {480, 5520}, Panel},
        {C::Label, Line::IfSomaIsN, "Se ( Soma = N ) então", {720, 5880}, Panel},
        {C::Label, "Label1(13)", "Escreva ( N , \" é um número perfeito \")", {840, 6240}, Panel},
        {C::Label, Line::EndIfSomaIsN, "Fim_se", {600, 6600}, Panel},
        {C::Label, Line::EndWhile, "Fim_Enquanto", {240, 6960}, Panel},
        // 120 twips further right, clear of the "=" that ends its line in the face used here.
        {C::Value, Val::N, "", {1560 + 120, 1080}, PanelBold, ole::DarkBlue},
        {C::List, List::Sums, "", {1200, 3240, 615, 840}},
        {C::List, List::Divisors, "", {2640, 3240, 615, 840}},
    });
    // "Enquanto" .. "Fim_Enquanto", "Para" .. "Fim_Para", and the three "Se" lines to their
    // "Fim_se"; the stroke of "Se ( Soma = N )" stands left of its "Fim_se".
    addBrackets(1, {
        {Line::WhileNBelow999, Line::EndWhile},
        {Line::ForCont, Line::EndFor},
        {Line::IfNModCont0, Line::EndIfNModCont0},
        {Line::IfSomaAboveN, Line::EndIfSomaAboveN},
        {Line::IfSomaIsN, Line::EndIfSomaIsN, 495},
    });
    addControls({
        {C::Button, Cmd::Calculate, "Calcule", {3480, 480, 1215, 615}},
        {C::Label, "Label2", "Números Perfeitos", {5760, 1080}, PanelBold, ole::Blue},
        {C::List, List::Answer, "", {5760, 1680, 1335, 2220}},
    });

    setTabOrder({button(Cmd::Calculate), listBox(List::Sums),
                 listBox(List::Divisors), listBox(List::Answer)});
    // The search lives as long as the window: no new calculation, the command never goes away.
    setRun(std::make_unique<PerfectNumbers>(),
           {.calculate = Cmd::Calculate, .end = RunSpec::End::Stay});
}

framework::Form* createPerfectNumbers() { return new PerfectNumbersWindow; }

}  // namespace problems
