#include "problems/series_s/series_s.h"

#include "framework/text.h"
#include "problems/problems.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyleOptionFrame>

namespace problems {

using namespace framework;
using num::Value;

namespace {
const QString kTitle = QStringLiteral("Cálculo de S");
// The least room kept between a value and what it pushes along its row.
constexpr int kGap = 120;



}  // namespace

SeriesSForm::SeriesSForm() : Form(QStringLiteral("Cálculo_de_S"), kTitle, 6210, 7155)
{
    addLabel(QStringLiteral("Label1(0)"), QStringLiteral("Digite valores para X e N :"), {120, 240});
    X_ = addTextBox(QStringLiteral("X"), QString(), {2760, 120, 615, 495});
    N_ = addTextBox(QStringLiteral("N"), QString(), {3600, 120, 615, 495});
    describe(X_, QStringLiteral("Valor de X"), label(QStringLiteral("Label1(0)")));
    describe(N_, QStringLiteral("Número de termos N"));
    for (QLineEdit* box : {X_, N_})
        connect(box, &QLineEdit::textChanged, this, [this] { rearrange(); });
    addLabel(QStringLiteral("Label2"), QStringLiteral("X            N"), {3000, 600}, PanelBold);
    CmdCalc_ = addButton(QStringLiteral("CmdCalc"), QStringLiteral("Calcule"), {4800, 240, 735, 375});
    buildPanel();
    CmdNovo_ = addButton(QStringLiteral("CmdNovo"), QStringLiteral("Novo_Calculo"), {4080, 6360, 1215, 495});
    CmdNovo_->setEnabled(false);
    Resposta_ = addLabel(QStringLiteral("Resposta"), QStringLiteral("Resposta"), {480, 6840},
                         FontSpec{13.5, true, true}, ole::Yellow);

    setTabOrder({X_, N_, CmdCalc_, CmdNovo_});
    setNewCalculationCommand(CmdNovo_);
    setCalculateCommand(CmdCalc_);
    onClick(CmdCalc_, [this] { CmdCalc_Click(); });
    onClick(CmdNovo_, [this] { CmdNovo_Click(); });
    guarded([this] { Form_Load(); });

    // Whatever writes a value (a click, the end of a run by an error, the reset of the panel),
    // the window makes room for it at once.
    arrangeOnResize({S_, Xaux1_, Naux_, XAux_, Num1_, Fat_, Num_, S1_, S2_, Resposta_});
}

void SeriesSForm::arrange()
{
    const int gap = px(kGap);
    // A box as wide as its text; N, its heading and "Calcule" move along with X.
    X_->resize(widthToShow(X_, px(615)), X_->height());
    const int grown = X_->width() - px(615);
    N_->setGeometry(px(3600) + grown, N_->y(), widthToShow(N_, px(615)), N_->height());
    label(QStringLiteral("Label2"))->move(px(3000) + grown, px(600));
    CmdCalc_->move(qMax(px(4800), rightOf(N_) + gap), CmdCalc_->y());

    // The first line of the panel: X as typed, twice, pushes what follows it.
    QLabel* xaux = label(QStringLiteral("Label1(2)"));
    QLabel* naux = label(QStringLiteral("Label1(3)"));
    const int besideXaux = Xaux1_->x() - xaux->x();
    xaux->move(qMax(px(1800), rightOf(S_) + gap), xaux->y());
    Xaux1_->move(xaux->x() + besideXaux, Xaux1_->y());
    naux->move(qMax(px(4080), rightOf(Xaux1_) + gap), naux->y());

    growToFit();
}

void SeriesSForm::buildPanel()
{
    addLabels({
        {"Label1(1)", "S = X  =", 120, 960, 0, 0, Panel},
        {"Label1(2)", "XAux = X =", 1800, 960, 0, 0, Panel},
        {"Label1(3)", "NAux = 1", 4080, 960, 0, 0, Panel},
        {"Label1(4)", "Faça enquanto   ( Naux <> N)", 360, 1440, 0, 0, Panel},
        {"Label1(5)", "NAux = NAux + 1 =", 600, 1800, 0, 0, Panel},
        {"Label1(6)", "XAux  = X * * NAux =", 600, 2160, 0, 0, Panel},
        {"Label1(7)", "Fat = 1", 600, 2520, 0, 0, Panel},
        {"Label1(19)", "Num = NAux =", 600, 2880, 0, 0, Panel},
        {"Label1(8)", "Faça enquanto ( Num <> 1)", 600, 3240, 0, 0, Panel},
        {"Label1(9)", "Fat = Fat * Num =", 840, 3600, 0, 0, Panel},
        {"Label1(10)", "Num = Num - 1 =", 840, 3960, 0, 0, Panel},
        {"Label1(11)", "Fim_Faça", 600, 4200, 0, 0, Panel},
        {"Label1(12)", "Se  ( NAux Mod 2 = 0 ) então", 600, 4560, 0, 0, Panel},
        {"Label1(13)", "S = S - (  XAux / Fat ) =", 1080, 4920, 0, 0, Panel},
        {"Label1(14)", "Senão", 840, 5280, 0, 0, Panel},
        {"Label1(15)", "S = S + ( XAux / Fat) =", 1080, 5640, 0, 0, Panel},
        {"Label1(16)", "Fim_Se", 600, 6000, 0, 0, Panel},
        {"Label1(17)", "Fim_Faça", 240, 6360, 0, 0, Panel},
    });

    S_ = addValueLabel(QStringLiteral("S"), 840, 960, PanelBold, ole::Blue);
    Xaux1_ = addValueLabel(QStringLiteral("Xaux1"), 2760, 960, PanelBold, ole::Blue);
    Naux_ = addValueLabel(QStringLiteral("Naux"), 2400, 1800, Pt825Bold);
    XAux_ = addValueLabel(QStringLiteral("XAux"), 2520, 2160, Pt825Bold);
    Num1_ = addValueLabel(QStringLiteral("Num1"), 1920, 2880, Pt825Bold);
    Fat_ = addValueLabel(QStringLiteral("Fat"), 2400, 3600, Pt825Bold);
    Num_ = addValueLabel(QStringLiteral("Num"), 2400, 3960, Pt825Bold);
    S1_ = addValueLabel(QStringLiteral("S1"), 3000, 4920, Pt825Bold);
    S2_ = addValueLabel(QStringLiteral("S2"), 3000, 5640, Pt825Bold);
    const std::pair<QLabel*, const char*> beside[] = {
        {S_, "Label1(1)"},   {Xaux1_, "Label1(2)"}, {Naux_, "Label1(5)"},
        {XAux_, "Label1(6)"}, {Num1_, "Label1(19)"}, {Fat_, "Label1(9)"},
        {Num_, "Label1(10)"}, {S1_, "Label1(13)"},  {S2_, "Label1(15)"},
    };
    for (const auto& [value, line] : beside)
        keepClearOf(value, label(QString::fromUtf8(line)));

    // Brackets: the outer loop, the factorial loop and the parity test; each tick stops just
    // short of its line.
    addBrackets(1, {{150, 1560, 315, 6480, 195}, {480, 3360, 555, 4320, 555}, {480, 4680, 555, 6120, 555}});
}

void SeriesSForm::Form_Load() { Inicio = QStringLiteral("S"); }

void SeriesSForm::Limpa_Campo()
{
    clear({Naux_, XAux_, Num1_, Fat_, Num_, S1_, S2_, Resposta_});
}

void SeriesSForm::CmdCalc_Click()
{
    Limpa_Campo();

    if (Inicio == QLatin1String("S")) {
        setCaption(S_, caption(X_));
        setCaption(Xaux1_, caption(X_));
        S = Value::dbl(valOf(caption(X_)));
        if (S == 0.0) {
            messageBox(QStringLiteral("Erro !!!, Não aceita Zero"), OkOnly, kTitle);
            return;
        }
        // X is real: the power is kept as a Double, never rounded.
        XAux = S.toDouble();
        NAux = Value::integer(1);
        Inicio = QStringLiteral("N");
    }

    // N is read again at every click.
    if (NAux == valOf(caption(N_))) {
        setCaption(Resposta_, QStringLiteral("O Cálculo de S = ") + shown(S));
        // "Novo_Calculo" first, so that the focus leaving "Calcule" goes to it.
        CmdNovo_->setEnabled(true);
        CmdCalc_->setEnabled(false);
        return;
    }

    NAux = NAux + Value::integer(1);
    setCaption(Naux_, shown(NAux));

    XAux = num::power(Value::dbl(valOf(caption(X_))), NAux).toDouble();
    setCaption(XAux_, shownDouble(XAux));

    Num = NAux;
    setCaption(Num1_, shown(Num));

    Fat = 1;
    while (Num != 1.0) {
        Fat = (Value::lng(Fat) * Num).toLong();
        setCaption(Fat_, shownWhole(Fat));
        Num = Num - Value::integer(1);
        setCaption(Num_, shown(Num));
    }

    // The parity is read back from the exponent as shown.
    const Value term = Value::dbl(XAux) / Value::lng(Fat);
    if (num::mod(Value::text(ss(caption(Naux_))), Value::integer(2)) == 0.0) {
        S = S - term;
        setCaption(S1_, shown(S));
    } else {
        S = S + term;
        setCaption(S2_, shown(S));
    }
}

void SeriesSForm::CmdNovo_Click()
{
    Inicio = QStringLiteral("S");
    clear({X_, N_, S_, Xaux1_});
    Limpa_Campo();
    CmdNovo_->setEnabled(false);
    CmdCalc_->setEnabled(true);
}

framework::Form* createSeriesS() { return new SeriesSForm; }

}  // namespace problems
