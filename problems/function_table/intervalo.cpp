#include "problems/function_table/intervalo.h"

#include "framework/text.h"
#include "problems/problems.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QStyleOptionFrame>

#include <algorithm>

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





// The least room between a value and what it pushes along its row, and between two lists.
constexpr int kGap = 120;
constexpr int kListGap = 105;

}  // namespace

void Intervalo::Rule::reach(int right)
{
    // A table wider than designed: the rule runs on to its new end.
    line->setEnds(x1, y, qMax(x2, right * TwipsPerPixel), y);
}

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
    for (QLineEdit* box : {a_, b_, n_})
        connect(box, &QLineEdit::textChanged, this, [this] { rearrange(); });
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
        // These two stand 30 twips higher than designed, clear of the rule over their lists
        // in the taller face used here.
        {"Label1(15)", "Cont   =   Cont + 1", 1080, 4650, 0, 0, Panel},
        {"Label1(16)", " X    =       a        +     cont    *  intervalo", 1320, 5610, 0, 0, Panel},
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
    // The answer columns widen for their rows; the box around them follows (arrange()).
    Xfinal_ = addListBox(QStringLiteral("Xfinal"), {3960, 3360, 975, 1260}, Pt12Bold);
    fx_ = addListBox(QStringLiteral("fx"), {5400, 3360, 975, 1260}, Pt12Bold);

    // The loop's bookkeeping, under the lines that compute it.
    Cont1_ = addListBox(QStringLiteral("Cont1"), {1080, 4920, 495, 645});
    Cont2_ = addListBox(QStringLiteral("Cont2"), {1800, 4920, 615, 645});
    X1_ = addListBox(QStringLiteral("X1"), {960, 5880, 735, 645});
    a1_ = addListBox(QStringLiteral("a1"), {1800, 5880, 735, 645});
    cont3_ = addListBox(QStringLiteral("cont3"), {2760, 5880, 615, 645});
    int1_ = addListBox(QStringLiteral("int1"), {3600, 5880, 495, 645});

    // Brackets: "Faça enquanto" to "Fim_Faça", the outer "Se" to its "Fim_se", the inner
    // "Se" to its "Fim_se"; each tick stops just short of its line.
    addLine(QStringLiteral("Line1"), 480, 2520, 555, 2520);
    addLine(QStringLiteral("Line2"), 480, 2520, 480, 6960);
    addLine(QStringLiteral("Line3"), 480, 6960, 555, 6960);
    addLine(QStringLiteral("Line4(0)"), 840, 2760, 915, 2760);
    addLine(QStringLiteral("Line4(1)"), 840, 2760, 840, 6720);
    addLine(QStringLiteral("Line4(2)"), 840, 6720, 915, 6720);
    addLine(QStringLiteral("Line5(0)"), 1080, 3480, 1155, 3480);
    addLine(QStringLiteral("Line5(1)"), 1080, 3480, 1080, 4440);
    addLine(QStringLiteral("Line5(2)"), 1080, 4440, 1275, 4440);
    // Rules over and under the two groups of lists, and dividers between their columns.
    const auto rule = [this](const char* name, int x1, int y, int x2, int width = 1, OleColor color = ole::Black) {
        return Rule{addLine(QString::fromUtf8(name), x1, y, x2, y, width, color), x1, y, x2};
    };
    contRules_ = {rule("Line7", 1020, 4920, 2475), rule("Line8", 1020, 5595, 2475)};
    stepRules_ = {rule("Line9", 900, 5880, 4155), rule("Line10", 900, 6555, 4155)};
    const auto divider = [this](const char* name, int x, int y1, int y2, int width = 1, OleColor color = ole::Black) {
        QWidget* line = addLine(QString::fromUtf8(name), x, y1, x, y2, width, color);
        designed_.emplace_back(line, line->pos());
        return line;
    };
    Line13_ = divider("Line13", 1688, 4920, 5595);
    Line14_ = divider("Line14", 1748, 5880, 6555);
    Line15_ = divider("Line15", 2648, 5880, 6555);
    Line16_ = divider("Line16", 3488, 5880, 6555);
    // The box around the result area.
    boxRules_ = {rule("Line6(0)", 3840, 2760, 6480, 3, ole::Blue), rule("Line6(1)", 3840, 4800, 6480, 3, ole::Blue)};
    addLine(QStringLiteral("Line6(2)"), 3840, 2760, 3840, 4800, 3, ole::Blue);
    boxRight_ = divider("Line6(3)", 6480, 2760, 4800, 3, ole::Blue);
    boxRules_.push_back(rule("Line11", 3840, 3240, 6480, 3, ole::Blue));
    Line12_ = divider("Line12", 5160, 2760, 4800, 3, ole::Blue);
    for (const char* name : {"Label2(0)", "Label2(1)", "Label1(20)"}) {
        QWidget* heading = control(QString::fromUtf8(name));
        designed_.emplace_back(heading, heading->pos());
    }

    setTabOrder({a_, b_, n_, Command1_, CmdNovo_});
    setNewCalculationCommand(CmdNovo_);
    setCalculateCommand(Command1_);
    onClick(Command1_, [this] { Command1_Click(); });
    onClick(CmdNovo_, [this] { CmdNovo_Click(); });
    Form_Load();

    // Whatever writes a value or a row (a click, the end of a run by an error, the reset of
    // the panel), the window makes room for it at once.
    arrangeOnResize({Interv_, X_, bb_, Xfinal_, fx_, Cont1_, Cont2_, X1_, a1_, cont3_, int1_});
}

QPoint Intervalo::designedPos(const QWidget* w) const
{
    for (const auto& [control, pos] : designed_)
        if (control == w)
            return pos;
    return w->pos();
}

void Intervalo::arrange()
{
    const int gap = px(kGap);
    const int listGap = px(kListGap);
    const auto shiftBy = [this](QWidget* w, int dx) { w->move(designedPos(w) + QPoint(dx, 0)); };

    // The boxes as wide as their texts; b and the headings over a and b move along with a.
    const int box = px(375);
    a_->resize(widthToShow(a_, box), a_->height());
    const int aGrown = a_->width() - box;
    b_->setGeometry(px(5520) + aGrown, b_->y(), widthToShow(b_, box), b_->height());
    label(QStringLiteral("Label3"))->move(px(5160) + aGrown, 0);
    n_->resize(widthToShow(n_, box), n_->height());

    // "X = a =": a long a pushes "b =" and b along; "Calcule" stands right of the step and of b.
    QLabel* bLabel = label(QStringLiteral("Label5"));
    bLabel->move(qMax(px(2880), rightOf(X_) + gap), bLabel->y());
    bb_->move(bLabel->x() + px(3240 - 2880), bb_->y());
    Command1_->move(std::max({px(4200), rightOf(Interv_) + gap, rightOf(bb_) + gap}), Command1_->y());

    // The result columns side by side; the divider, the headings and the box follow them.
    const int divider = qMax(px(5160), rightOf(Xfinal_) + px(120));
    fx_->move(divider + px(240), fx_->y());
    const int right = qMax(px(6480), rightOf(fx_) + px(60));
    shiftBy(Line12_, divider - px(5160));
    shiftBy(boxRight_, right - px(6480));
    for (Rule& r : boxRules_)
        r.reach(right);
    shiftBy(label(QStringLiteral("Label2(0)")), (Xfinal_->width() - px(975)) / 2);
    shiftBy(label(QStringLiteral("Label2(1)")), fx_->x() - px(5400) + (fx_->width() - px(975)) / 2);
    shiftBy(label(QStringLiteral("Label1(20)")), (right - px(6480)) / 2);

    // The loop's lists side by side, a divider in the middle of each gap, the rules over and
    // under them as long as the row; "Novo Cálculo" stands clear of them.
    const auto between = [&](QWidget* line, QListWidget* left, QListWidget* next, int designedMiddle) {
        shiftBy(line, (rightOf(left) + next->x()) / 2 - designedMiddle);
    };
    Cont2_->move(qMax(px(1800), rightOf(Cont1_) + listGap), Cont2_->y());
    between(Line13_, Cont1_, Cont2_, (px(1575) + px(1800)) / 2);
    for (Rule& r : contRules_)
        r.reach(rightOf(Cont2_) + px(60));
    a1_->move(qMax(px(1800), rightOf(X1_) + listGap), a1_->y());
    cont3_->move(qMax(px(2760), rightOf(a1_) + listGap), cont3_->y());
    int1_->move(qMax(px(3600), rightOf(cont3_) + listGap), int1_->y());
    between(Line14_, X1_, a1_, (px(1695) + px(1800)) / 2);
    between(Line15_, a1_, cont3_, (px(2535) + px(2760)) / 2);
    between(Line16_, cont3_, int1_, (px(3375) + px(3600)) / 2);
    const int rowEnd = qMax(px(4155), rightOf(int1_) + px(60));
    for (Rule& r : stepRules_)
        r.reach(rowEnd);
    CmdNovo_->move(qMax(px(4800), rowEnd + gap), CmdNovo_->y());

    growToFit();
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
        // "Novo Cálculo" first, so that the focus leaving "Calcule" goes to it.
        CmdNovo_->setEnabled(true);
        Command1_->setEnabled(false);
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
        CmdNovo_->setEnabled(true);
        Command1_->setEnabled(false);
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
    a_->setFocus(Qt::OtherFocusReason);
}

framework::Form* createFunctionTable() { return new Intervalo; }

}  // namespace problems
