// The window of the series S: its controls, the panel of its pseudo-code, the room it makes
// for long numbers, and how a run goes on it.
#include "problems/series_s/series_s.h"

#include "framework/form.h"
#include "problems/problems.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace problems {

using namespace framework;
using C = ControlSpec;

namespace {
// The least room kept between a value and what it pushes along its row.
constexpr int kGap = 120;
}  // namespace

class SeriesSWindow : public Form {
public:
    SeriesSWindow();

protected:
    // Makes room for what the boxes and values hold now: the boxes as wide as their texts,
    // the first panel line pushed along by X, the window around it all.
    void arrange() override;
};

SeriesSWindow::SeriesSWindow() : Form(QStringLiteral("Cálculo_de_S"), QStringLiteral("Cálculo de S"), 6210, 7155)
{
    addControls({
        {C::Label, "Label1(0)", "Digite valores para X e N :", {120, 240}},
        {C::TextBox, "X", "", {2760, 120, 615, 495}},
        {C::TextBox, "N", "", {3600, 120, 615, 495}},
        {C::Label, "Label2", "X            N", {3000, 600}, PanelBold},
        {C::Button, "CmdCalc", "Calcule", {4800, 240, 735, 375}},

        // The pseudo-code panel.
        {C::Label, "Label1(1)", "S = X  =", {120, 960}, Panel},
        {C::Label, "Label1(2)", "XAux = X =", {1800, 960}, Panel},
        {C::Label, "Label1(3)", "NAux = 1", {4080, 960}, Panel},
        {C::Label, "Label1(4)", "Faça enquanto   ( Naux <> N)", {360, 1440}, Panel},
        {C::Label, "Label1(5)", "NAux = NAux + 1 =", {600, 1800}, Panel},
        {C::Label, "Label1(6)", "XAux  = X * * NAux =", {600, 2160}, Panel},
        {C::Label, "Label1(7)", "Fat = 1", {600, 2520}, Panel},
        {C::Label, "Label1(19)", "Num = NAux =", {600, 2880}, Panel},
        {C::Label, "Label1(8)", "Faça enquanto ( Num <> 1)", {600, 3240}, Panel},
        {C::Label, "Label1(9)", "Fat = Fat * Num =", {840, 3600}, Panel},
        {C::Label, "Label1(10)", "Num = Num - 1 =", {840, 3960}, Panel},
        {C::Label, "Label1(11)", "Fim_Faça", {600, 4200}, Panel},
        {C::Label, "Label1(12)", "Se  ( NAux Mod 2 = 0 ) então", {600, 4560}, Panel},
        {C::Label, "Label1(13)", "S = S - (  XAux / Fat ) =", {1080, 4920}, Panel},
        {C::Label, "Label1(14)", "Senão", {840, 5280}, Panel},
        {C::Label, "Label1(15)", "S = S + ( XAux / Fat) =", {1080, 5640}, Panel},
        {C::Label, "Label1(16)", "Fim_Se", {600, 6000}, Panel},
        {C::Label, "Label1(17)", "Fim_Faça", {240, 6360}, Panel},
        {C::Value, "S", "", {840, 960}, PanelBold, ole::Blue},
        {C::Value, "Xaux1", "", {2760, 960}, PanelBold, ole::Blue},
        {C::Value, "Naux", "", {2400, 1800}, Pt825Bold},
        {C::Value, "XAux", "", {2520, 2160}, Pt825Bold},
        {C::Value, "Num1", "", {1920, 2880}, Pt825Bold},
        {C::Value, "Fat", "", {2400, 3600}, Pt825Bold},
        {C::Value, "Num", "", {2400, 3960}, Pt825Bold},
        {C::Value, "S1", "", {3000, 4920}, Pt825Bold},
        {C::Value, "S2", "", {3000, 5640}, Pt825Bold},

        {C::Button, "CmdNovo", "Novo_Calculo", {4080, 6360, 1215, 495}},
        {C::Label, "Resposta", "Resposta", {480, 6840}, FontSpec{13.5, true, true}, ole::Yellow},
    });
    for (const auto& [value, line] : {std::pair{"S", "Label1(1)"}, {"Xaux1", "Label1(2)"}, {"Naux", "Label1(5)"},
                                      {"XAux", "Label1(6)"}, {"Num1", "Label1(19)"}, {"Fat", "Label1(9)"},
                                      {"Num", "Label1(10)"}, {"S1", "Label1(13)"}, {"S2", "Label1(15)"}})
        keepClearOf(label(QString::fromUtf8(value)), label(QString::fromUtf8(line)));

    // The outer loop, the factorial loop and the parity test; their strokes stand further
    // left than their opening lines alone would put them.
    addBrackets(1, {
        {"Label1(4)", "Label1(17)", 150},
        {"Label1(8)", "Label1(11)", 480},
        {"Label1(12)", "Label1(16)", 480},
    });

    QLineEdit* x = textBox(QStringLiteral("X"));
    QLineEdit* n = textBox(QStringLiteral("N"));
    describe(x, QStringLiteral("Valor de X"), label(QStringLiteral("Label1(0)")));
    describe(n, QStringLiteral("Número de termos N"));
    for (QLineEdit* box : {x, n})
        connect(box, &QLineEdit::textChanged, this, [this] { rearrange(); });
    QPushButton* novo = button(QStringLiteral("CmdNovo"));

    setTabOrder({x, n, button(QStringLiteral("CmdCalc")), novo});
    // The boxes stay open during a run: X and N are read again at every click.
    setRun(std::make_unique<SeriesS>(),
           {.calculate = QStringLiteral("CmdCalc"),
            .newCalculation = QStringLiteral("CmdNovo"),
            .offerNewFirst = true,
            .clearedByNew = {QStringLiteral("X"), QStringLiteral("N"), QStringLiteral("S"), QStringLiteral("Xaux1"),
                             QStringLiteral("Naux"), QStringLiteral("XAux"), QStringLiteral("Num1"),
                             QStringLiteral("Fat"), QStringLiteral("Num"), QStringLiteral("S1"), QStringLiteral("S2"),
                             QStringLiteral("Resposta")}});

    // Whatever writes a value (a click, the end of a run by an error, the reset of the panel),
    // the window makes room for it at once.
    arrangeOnResize({label(QStringLiteral("S")), label(QStringLiteral("Xaux1")), label(QStringLiteral("Naux")),
                     label(QStringLiteral("XAux")), label(QStringLiteral("Num1")), label(QStringLiteral("Fat")),
                     label(QStringLiteral("Num")), label(QStringLiteral("S1")), label(QStringLiteral("S2")),
                     label(QStringLiteral("Resposta"))});
}

void SeriesSWindow::arrange()
{
    const int gap = px(kGap);
    // A box as wide as its text; N, its heading and "Calcule" move along with X.
    QLineEdit* x = textBox(QStringLiteral("X"));
    QLineEdit* n = textBox(QStringLiteral("N"));
    QPushButton* calc = button(QStringLiteral("CmdCalc"));
    x->resize(widthToShow(x, px(615)), x->height());
    const int grown = x->width() - px(615);
    n->setGeometry(px(3600) + grown, n->y(), widthToShow(n, px(615)), n->height());
    label(QStringLiteral("Label2"))->move(px(3000) + grown, px(600));
    followOn({n, calc}, gap);

    // The first line of the panel: X as typed, twice, pushes what follows it.
    QLabel* s = label(QStringLiteral("S"));
    QLabel* xaux1 = label(QStringLiteral("Xaux1"));
    QLabel* xaux = label(QStringLiteral("Label1(2)"));
    QLabel* naux = label(QStringLiteral("Label1(3)"));
    const int besideXaux = xaux1->x() - xaux->x();
    followOn({s, xaux}, gap);
    xaux1->move(xaux->x() + besideXaux, xaux1->y());
    followOn({xaux1, naux}, gap);

    growToFit();
}

framework::Form* createSeriesS() { return new SeriesSWindow; }

}  // namespace problems
