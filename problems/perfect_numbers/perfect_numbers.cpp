#include "problems/perfect_numbers/perfect_numbers.h"

#include "framework/text.h"
#include "problems/problems.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace problems {

using namespace framework;

PerfectNumbersForm::PerfectNumbersForm()
    : Form(QStringLiteral("Número_perfeito"), QStringLiteral("Número Perfeito"), 7935, 7530)
{
    buildPanel();
    Cmd_Calc_ = addButton(QStringLiteral("Cmd_Calc"), QStringLiteral("Calcule"), {3480, 480, 1215, 615});
    addLabel(QStringLiteral("Label2"), QStringLiteral("Números Perfeitos"), {5760, 1080}, PanelBold, ole::Blue);
    Resposta_ = addListBox(QStringLiteral("Resposta"), {5760, 1680, 1335, 2220});

    setTabOrder({Cmd_Calc_, List2_, List3_, Resposta_});
    onClick(Cmd_Calc_, [this] { Cmd_Calc_Click(); });
}

void PerfectNumbersForm::buildPanel()
{
    addLabels({
        {"Label1(0)", "Soma = 0", 240, 0, 0, 0, Panel},
        {"Label1(1)", "N = 0", 240, 360, 0, 0, Panel},
        {"Label1(2)", "Enquanto N < 999 faça", 240, 720, 0, 0, Panel},
        {"Label1(3)", "N = N + 1 =", 480, 1080, 0, 0, Panel},
        {"Label1(4)", "Cont = 0", 480, 1440, 0, 0, Panel},
        {"Label1(9)", "Soma = 0", 480, 1800, 0, 0, Panel},
        {"Label1(5)", "Para ( Cont= 2  até  N )  Faça", 480, 2160, 0, 0, Panel},
        {"Label1(16)", "Se ( N MOD Cont = 0 ) então", 840, 2520, 0, 0, Panel},
        {"Label1(6)", "Soma = Soma +  ( N / Cont )", 1200, 2880, 0, 0, Panel},
        {"Label1(7)", "Se ( Soma > N ) então", 1320, 4200, 0, 0, Panel},
        {"Label1(8)", "Cont = N +1", 1560, 4560, 0, 0, Panel},
        {"Label1(10)", "Fim_se", 1440, 4920, 0, 0, Panel},
        {"Label1(17)", "Fim_se", 840, 5280, 0, 0, Panel},
        {"Label1(11)", "Fim_Para", 480, 5520, 0, 0, Panel},
        {"Label1(12)", "Se ( Soma = N ) então", 720, 5880, 0, 0, Panel},
        {"Label1(13)", "Escreva ( N , \" é um número perfeito \")", 840, 6240, 0, 0, Panel},
        {"Label1(14)", "Fim_se", 600, 6600, 0, 0, Panel},
        {"Label1(15)", "Fim_Enquanto", 240, 6960, 0, 0, Panel},
    });
    // 120 twips further right, clear of the "=" that ends its line in the face used here.
    Wn_ = addValueLabel(QStringLiteral("Wn"), 1560 + 120, 1080, PanelBold, ole::DarkBlue);
    List2_ = addListBox(QStringLiteral("List2"), {1200, 3240, 615, 840});
    List3_ = addListBox(QStringLiteral("List3"), {2640, 3240, 615, 840});

    // Brackets, each a vertical stroke with a tick at either end: "Enquanto" .. "Fim_Enquanto",
    // "Para" .. "Fim_Para", and the three "Se" lines to their "Fim_se".
    // The ticks stop 45 twips short of their lines' text.
    addBrackets(1, {
        {135, 840, 240 - 45, 7080, 240 - 45},
        {375, 2280, 480 - 45, 5640, 480 - 45},
        {735, 2640, 840 - 45, 5400, 840 - 45},
        {1215, 4320, 1320 - 45, 5040, 1440 - 45},
        {495, 6000, 720 - 45, 6720, 600 - 45},
    });
}

void PerfectNumbersForm::Cmd_Calc_Click()
{
    const num::Value one = num::Value::integer(1);
    while (N < 999) {
        List2_->clear();
        List3_->clear();
        N = N + one;
        setCaption(Wn_, shown(N));
        Soma = num::Value::integer(0);
        // The end of the loop is taken once, when it starts; "Cont = N + 1" ends it early.
        const int16_t last = N.toInteger();
        for (int16_t Cont = 2; Cont <= last; Cont = num::addInteger(Cont, 1)) {
            const num::Value cont = num::Value::integer(Cont);
            if (num::mod(N, cont) == 0) {
                Soma = Soma + N / cont;
                List2_->addItem(shown(Soma));
                List3_->addItem(shown(N / cont));
                if (Soma > N)
                    Cont = (N + one).toInteger();
            }
        }
        if (Soma == N) {
            messageBox(shown(num::concat(N, num::Value::text(" è um número perfeito"))), Information,
                       QStringLiteral("Valor Válido"));
            Resposta_->addItem(shown(N));
            return;
        }
    }
}

framework::Form* createPerfectNumbers() { return new PerfectNumbersForm; }

}  // namespace problems
