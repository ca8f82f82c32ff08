// The window of the series S: its controls, the panel of its pseudo-code, the room it makes
// for long numbers, and how a run goes on it.
#include "problems/series_s/series_s.h"

#include "framework/form.h"
#include "problems/problems.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace problems {

using namespace series_s_controls;

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
        {C::Label, Text::Prompt, "Digite valores para X e N :", {120, 240}},
        {C::TextBox, Box::X, "", {2760, 120, 615, 495}},
        {C::TextBox, Box::N, "", {3600, 120, 615, 495}},
        {C::Label, Text::BoxNames, "X            N", {3000, 600}, PanelBold},
        {C::Button, Cmd::Calculate, "Calcule", {4800, 240, 735, 375}},

        // The pseudo-code panel.
        {C::Label, Line::SIsX, "S = X  =", {120, 960}, Panel},
        {C::Label, Line::XAuxIsX, "XAux = X =", {1800, 960}, Panel},
        {C::Label, Line::NAuxIs1, "NAux = 1", {4080, 960}, Panel},
        {C::Label, Line::WhileNAuxNotN, "Faça enquanto   ( Naux <> N)", {360, 1440}, Panel},
        {C::Label, Line::NAuxPlus1, "NAux = NAux + 1 =", {600, 1800}, Panel},
        {C::Label, Line::XAuxPower, "XAux  = X * * NAux =", {600, 2160}, Panel},
        {C::Label, "Label1(7)", "Fat = 1", {600, 2520}, Panel},
        {C::Label, Line::NumIsNAux, "Num = NAux =", {600, 2880}, Panel},
        {C::Label, Line::WhileNumNot1, "Faça enquanto ( Num <> 1)", {600, 3240}, Panel},
        {C::Label, Line::FatTimesNum, "Fat = Fat * Num =", {840, 3600}, Panel},
        {C::Label, Line::NumMinus1, "Num = Num - 1 =", {840, 3960}, Panel},
        {C::Label, Line::EndWhileNum, "Fim_Faça", {600, 4200}, Panel},
        {C::Label, Line::IfNAuxEven, "Se  ( NAux Mod 2 = 0 ) então", {600, 4560}, Panel},
        {C::Label, Line::SMinusTerm, "S = S - (  XAux / Fat ) =", {1080, 4920}, Panel},
        {C::Label, "Label1(14)", "Senão", {840, 5280}, Panel},
        {C::Label, Line::SPlusTerm, "S = S + ( XAux / Fat) =", {1080, 5640}, Panel},
        {C::Label, Line::EndIf, "Fim_Se", {600, 6000}, Panel},
        {C::Label, Line::EndWhileNAux, "Fim_Faça", {240, 6360}, Panel},
        {C::Value, Val::S, "", {840, 960}, PanelBold, ole::Blue},
        {C::Value, Val::XAuxIsX, "", {2760, 960}, PanelBold, ole::Blue},
        {C::Value, Val::NAux, "", {2400, 1800}, Pt825Bold},
        {C::Value, Val::XAux, "", {2520, 2160}, Pt825Bold},
        {C::Value, Val::NumIsNAux, "", {1920, 2880}, Pt825Bold},
        {C::Value, Val::Fat, "", {2400, 3600}, Pt825Bold},
        {C::Value, Val::Num, "", {2400, 3960}, Pt825Bold},
        {C::Value, Val::SMinusTerm, "", {3000, 4920}, Pt825Bold},
        {C::Value, Val::SPlusTerm, "", {3000, 5640}, Pt825Bold},

        {C::Button, Cmd::NewCalculation, "Novo_Calculo", {4080, 6360, 1215, 495}},
        {C::Label, Text::Answer, "Resposta", {480, 6840}, FontSpec{13.5, true, true}, ole::Yellow},
    });
    for (const auto& [value, line] : {std::pair{Val::S, Line::SIsX}, {Val::XAuxIsX, Line::XAuxIsX}, {Val::NAux, Line::NAuxPlus1},
                                      {Val::XAux, Line::XAuxPower}, {Val::NumIsNAux, Line::NumIsNAux}, {Val::Fat, Line::FatTimesNum},
                                      {Val::Num, Line::NumMinus1}, {Val::SMinusTerm, Line::SMinusTerm}, {Val::SPlusTerm, Line::SPlusTerm}})
        keepClearOf(label(value), label(line));

    // The outer loop, the factorial loop and the parity test; their strokes stand further
    // left than their opening lines alone would put them.
    addBrackets(1, {
        {Line::WhileNAuxNotN, Line::EndWhileNAux, 150},
        {Line::WhileNumNot1, Line::EndWhileNum, 480},
        {Line::IfNAuxEven, Line::EndIf, 480},
    });

    QLineEdit* x = textBox(Box::X);
    QLineEdit* n = textBox(Box::N);
    describe(x, QStringLiteral("Valor de X"), label(Text::Prompt));
    describe(n, QStringLiteral("Número de termos N"));
    for (QLineEdit* box : {x, n})
        connect(box, &QLineEdit::textChanged, this, [this] { rearrange(); });
    QPushButton* novo = button(Cmd::NewCalculation);

    setTabOrder({x, n, button(Cmd::Calculate), novo});
    // The boxes stay open during a run: X and N are read again at every click.
    setRun(std::make_unique<SeriesS>(),
           {.calculate = Cmd::Calculate,
            .newCalculation = Cmd::NewCalculation,
            .offerNewFirst = true,
            .clearedByNew = {Box::X, Box::N, Val::S, Val::XAuxIsX,
                             Val::NAux, Val::XAux, Val::NumIsNAux,
                             Val::Fat, Val::Num, Val::SMinusTerm, Val::SPlusTerm,
                             Text::Answer}});

    // Whatever writes a value (a click, the end of a run by an error, the reset of the panel),
    // the window makes room for it at once.
    arrangeOnResize({label(Val::S), label(Val::XAuxIsX), label(Val::NAux),
                     label(Val::XAux), label(Val::NumIsNAux), label(Val::Fat),
                     label(Val::Num), label(Val::SMinusTerm), label(Val::SPlusTerm),
                     label(Text::Answer)});
}

void SeriesSWindow::arrange()
{
    const int gap = px(kGap);
    // A box as wide as its text; N, its heading and "Calcule" move along with X.
    QLineEdit* x = textBox(Box::X);
    QLineEdit* n = textBox(Box::N);
    QPushButton* calc = button(Cmd::Calculate);
    const int grown = widenToText(x);
    standShifted(n, grown);
    widenToText(n);
    standShifted(label(Text::BoxNames), grown);
    followOn({n, calc}, gap);

    // The first line of the panel: X as typed, twice, pushes what follows it.
    QLabel* s = label(Val::S);
    QLabel* xaux1 = label(Val::XAuxIsX);
    QLabel* xaux = label(Line::XAuxIsX);
    QLabel* naux = label(Line::NAuxIs1);
    const int besideXaux = xaux1->x() - xaux->x();
    followOn({s, xaux}, gap);
    xaux1->move(xaux->x() + besideXaux, xaux1->y());
    followOn({xaux1, naux}, gap);

    growToFit();
}

framework::Form* createSeriesS() { return new SeriesSWindow; }

}  // namespace problems
