#include "problems/function_table/intervalo.h"

#include "framework/text.h"
#include "problems/problems.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace problems {

using namespace framework;
using num::Currency;
using num::Value;

namespace {

// A number as the window shows it, read back with '.' as the decimal point whatever the
// locale: the value the table's x column shows (15 significant digits), never cut to its
// whole part by a decimal comma.
double asShown(double value) { return num::val(num::strDouble(value)); }

QString shownCurrency(Currency value) { return qs(num::displayCurrency(value)); }

}  // namespace

Intervalo::Intervalo() : Form(QStringLiteral("Intervalo"), QStringLiteral("Intevalo_Fechado"), 6720, 7125)
{
    addLabel(QStringLiteral("Label1(0)"), QStringLiteral("Digite dois números distintos na ordem crescente :"),
             {360, 360});
    addLabel(QStringLiteral("Label3"), QStringLiteral("a      b"), {5160, 0}, PanelBold);
    a_ = addTextBox(QStringLiteral("a"), QStringLiteral("2"), {5040, 240, 375, 375}, PanelBold);
    b_ = addTextBox(QStringLiteral("b"), QStringLiteral("8"), {5520, 240, 375, 375}, PanelBold);
    addLabel(QStringLiteral("Label1(1)"), QStringLiteral("Digite a quantidade de números espaçados no intervalo :"),
             {360, 960});
    addLabel(QStringLiteral("Label4"), QStringLiteral("n"), {5640, 720}, PanelBold);
    n_ = addTextBox(QStringLiteral("n"), QStringLiteral("2"), {5520, 960, 375, 375}, PanelBold);
    describe(a_, QStringLiteral("Início do intervalo, a"), label(QStringLiteral("Label1(0)")));
    describe(b_, QStringLiteral("Fim do intervalo, b"));
    describe(n_, QStringLiteral("Quantidade de partes, n"), label(QStringLiteral("Label1(1)")));
    Command1_ = addButton(QStringLiteral("Command1"), QStringLiteral("Calcule"), {4200, 1560, 1935, 495}, Pt135);
    CmdNovo_ = addButton(QStringLiteral("CmdNovo"), QStringLiteral("Novo Cálculo"), {4800, 5880, 1335, 495});
    CmdNovo_->setEnabled(false);

    // The pseudo-code panel.
    addLabels({
        {"Label1(2)", "Intervalo = ( b-a ) / n =", 240, 1440, 0, 0, Panel},
        {"Label1(3)", "X = a =", 480, 1800, 0, 0, Panel},
        {"Label1(4)", "Cont = 0", 360, 2160, 0, 0, Panel},
        {"Label1(5)", "Faça enquanto  X < =b", 600, 2400, 0, 0, Panel},
        {"Xmenor3", "Se x < -3 então", 960, 2640, 0, 0, Panel},
        {"Label1(7)", "Fx = 2 * X - 3", 1440, 2880, 0, 0, Panel},
        {"Label1(8)", "Senão", 1200, 3120, 0, 0, Panel},
        {"Xmaior3", "Se x > 3 então", 1200, 3360, 0, 0, Panel},
        {"Label1(10)", "Fx = 2 * X - 9", 1800, 3600, 0, 0, Panel},
        {"Xintervalo", "Senão", 1560, 3840, 0, 0, Panel},
        {"Label1(12)", "Fx = (- X ^ 2 ) /3", 1800, 4080, 0, 0, Panel},
        {"Label1(13)", "Fim_se", 1320, 4320, 0, 0, Panel},
        {"Label1(15)", "Cont   =   Cont + 1", 1080, 4680, 0, 0, Panel},
        {"Label1(16)", " X    =       a        +     cont    *  intervalo", 1320, 5640, 0, 0, Panel},
        {"Label1(14)", "Fim_se", 960, 6600, 0, 0, Panel},
        {"Label1(17)", "Fim_Faça", 600, 6840, 0, 0, Panel},
    });
    Xmenor3_ = label(QStringLiteral("Xmenor3"));
    Xmaior3_ = label(QStringLiteral("Xmaior3"));
    Xintervalo_ = label(QStringLiteral("Xintervalo"));
    fxMenor_ = label(QStringLiteral("Label1(7)"));
    fxMaior_ = label(QStringLiteral("Label1(10)"));
    fxIntervalo_ = label(QStringLiteral("Label1(12)"));

    // Values shown beside the panel lines.
    Interv_ = addValueLabel(QStringLiteral("Interv"), 2160, 1440, Pt12Bold, ole::Red);
    keepClearOf(Interv_, label(QStringLiteral("Label1(2)")));
    X_ = addValueLabel(QStringLiteral("X"), 1200, 1800, Pt12Bold, ole::Red);
    addLabel(QStringLiteral("Label5"), QStringLiteral("b ="), {2880, 1800});
    bb_ = addValueLabel(QStringLiteral("bb"), 3240, 1800, Default, ole::ButtonText);

    // The result area.
    addLabel(QStringLiteral("Label1(20)"), QStringLiteral("Resposta"), {4800, 2520}, Default, ole::Blue);
    for (QLabel* heading : {addLabel(QStringLiteral("Label2(0)"), QStringLiteral("x"), {4470, 2880}, Pt12Bold),
                            addLabel(QStringLiteral("Label2(1)"), QStringLiteral("f(x)"), {5415, 2880}, Pt12Bold)})
        heading->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    // The answer columns are designed 975 twips wide; five pixels more keep a row such as
    // "-2,0833" whole in the wider face used here, still inside the blue box.
    Xfinal_ = addListBox(QStringLiteral("Xfinal"), {3960, 3360, 1050, 1260}, Pt12Bold);
    fx_ = addListBox(QStringLiteral("fx"), {5400, 3360, 1050, 1260}, Pt12Bold);

    // The loop's bookkeeping, under the lines that compute it.
    Cont1_ = addListBox(QStringLiteral("Cont1"), {1080, 4920, 495, 645});
    Cont2_ = addListBox(QStringLiteral("Cont2"), {1800, 4920, 615, 645});
    X1_ = addListBox(QStringLiteral("X1"), {960, 5880, 735, 645});
    a1_ = addListBox(QStringLiteral("a1"), {1800, 5880, 735, 645});
    cont3_ = addListBox(QStringLiteral("cont3"), {2760, 5880, 615, 645});
    int1_ = addListBox(QStringLiteral("int1"), {3600, 5880, 495, 645});

    // Brackets: "Faça enquanto" to "Fim_Faça", the outer "Se" to its "Fim_se", the inner
    // "Se" to its "Fim_se".
    addLine(QStringLiteral("Line1"), 480, 2520, 600, 2520);
    addLine(QStringLiteral("Line2"), 480, 2520, 480, 6960);
    addLine(QStringLiteral("Line3"), 480, 6960, 600, 6960);
    addLine(QStringLiteral("Line4(0)"), 840, 2760, 960, 2760);
    addLine(QStringLiteral("Line4(1)"), 840, 2760, 840, 6720);
    addLine(QStringLiteral("Line4(2)"), 840, 6720, 960, 6720);
    addLine(QStringLiteral("Line5(0)"), 1080, 3480, 1200, 3480);
    addLine(QStringLiteral("Line5(1)"), 1080, 3480, 1080, 4440);
    addLine(QStringLiteral("Line5(2)"), 1080, 4440, 1320, 4440);
    // Rules under the two groups of lists, and dividers between their columns.
    addLine(QStringLiteral("Line7"), 1020, 4920, 2475, 4920);
    addLine(QStringLiteral("Line8"), 1020, 5595, 2475, 5595);
    addLine(QStringLiteral("Line9"), 900, 5880, 4155, 5880);
    addLine(QStringLiteral("Line10"), 900, 6555, 4155, 6555);
    addLine(QStringLiteral("Line13"), 1688, 4920, 1688, 5595);
    addLine(QStringLiteral("Line14"), 1748, 5880, 1748, 6555);
    addLine(QStringLiteral("Line15"), 2648, 5880, 2648, 6555);
    addLine(QStringLiteral("Line16"), 3488, 5880, 3488, 6555);
    // The box around the result area.
    addLine(QStringLiteral("Line6(0)"), 3840, 2760, 6480, 2760, 3, ole::Blue);
    addLine(QStringLiteral("Line6(1)"), 3840, 4800, 6480, 4800, 3, ole::Blue);
    addLine(QStringLiteral("Line6(2)"), 3840, 2760, 3840, 4800, 3, ole::Blue);
    addLine(QStringLiteral("Line6(3)"), 6480, 2760, 6480, 4800, 3, ole::Blue);
    addLine(QStringLiteral("Line11"), 3840, 3240, 6480, 3240, 3, ole::Blue);
    addLine(QStringLiteral("Line12"), 5160, 2760, 5160, 4800, 3, ole::Blue);

    setTabOrder({a_, b_, n_, Command1_, CmdNovo_});
    setNewCalculationCommand(CmdNovo_);
    setCalculateCommand(Command1_);
    onClick(Command1_, [this] { Command1_Click(); });
    onClick(CmdNovo_, [this] { CmdNovo_Click(); });
    Form_Load();
}

void Intervalo::Form_Load() { inicio = QStringLiteral("S"); }

// Starts a run: reads a, b and n and shows the step.
void Intervalo::Pausa()
{
    a = Value::dbl(valOf(caption(a_)));
    b = Value::dbl(valOf(caption(b_)));
    n = Value::dbl(valOf(caption(n_)));
    if (n == 0.0) {
        messageBox(QStringLiteral("Erro !!! Zero não é aceito"), OkOnly, QStringLiteral("Intervalo Fechado"));
        Command1_->setEnabled(false);
        CmdNovo_->setEnabled(true);
        return;
    }
    Intervalo_ = (b - a) / n;
    setCaption(Interv_, shown(Intervalo_));
    setCaption(X_, shown(a));
    setCaption(bb_, shown(b));
    X = a;
    Cont = Currency{};
    a_->setEnabled(false);
    b_->setEnabled(false);
    n_->setEnabled(false);
    CmdNovo_->setEnabled(false);
}

// One point of the table per click.
void Intervalo::Command1_Click()
{
    if (inicio == QLatin1String("S")) {
        Pausa();
        inicio = QStringLiteral("N");
    }
    if (n == 0.0)
        return;
    // The branch lit by the previous point goes back to rest.
    light({Xmenor3_, Xmaior3_, Xintervalo_, fxMenor_, fxMaior_, fxIntervalo_}, ole::ButtonText);

    if (X <= b) {
        // The branch and f follow the value of x as the table shows it, in every locale.
        const double v = asShown(X.toDouble());
        double f;
        if (v < -3) {
            light({Xmenor3_, fxMenor_}, ole::Blue);
            f = num::checked(2 * v - 3);
        } else if (v > 3) {
            light({Xmaior3_, fxMaior_}, ole::Blue);
            f = num::checked(2 * v - 9);
        } else {
            light({Xintervalo_, fxIntervalo_}, ole::Blue);
            const Value square = (Value::dbl(-1) * X) * X;
            f = asShown(square.toDouble()) / 3;
        }
        Fx = Currency::fromDouble(f);

        Xfinal_->addItem(shown(X));
        fx_->addItem(shownCurrency(Fx));
        Cont1_->addItem(shownCurrency(Cont));
        Cont = Cont + Currency::fromWhole(1);
        Cont2_->addItem(shownCurrency(Cont));
        X1_->addItem(shown(X));
        // The next point afresh from a, never by adding the step to the last one; a Double,
        // not rounded to four decimals by the Currency count.
        X = Value::dbl(num::checked(a.toDouble() + Cont.toDouble() * Intervalo_.toDouble()));
        a1_->addItem(shown(a));
        cont3_->addItem(shownCurrency(Cont));
        int1_->addItem(shown(Intervalo_));
    } else {
        Command1_->setEnabled(false);
        CmdNovo_->setEnabled(true);
    }
}

void Intervalo::CmdNovo_Click()
{
    a_->setEnabled(true);
    b_->setEnabled(true);
    n_->setEnabled(true);
    CmdNovo_->setEnabled(false);
    Command1_->setEnabled(true);
    clear({a_, b_, n_, X_, Interv_});
    for (QListWidget* list : {Xfinal_, fx_, Cont1_, Cont2_, X1_, a1_, cont3_, int1_})
        list->clear();
    inicio = QStringLiteral("S");
}

framework::Form* createFunctionTable() { return new Intervalo; }

}  // namespace problems
