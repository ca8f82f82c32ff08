#include "problems/stamps/stamps.h"

#include "framework/text.h"
#include "problems/problems.h"

#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace problems {

using namespace framework;

namespace {

const QString kTitle = QStringLiteral("Trocar selos");

// Whole numbers of cents that 3- and 5-cent stamps cannot make up exactly.
bool noExactChange(num::Currency amount)
{
    constexpr int64_t TicksPerCent = num::Currency::TicksPerUnit / 100;
    if (amount.ticks % TicksPerCent != 0)
        return true;  // a fraction of a cent
    const int64_t cents = amount.ticks / TicksPerCent;
    return cents == 1 || cents == 2 || cents == 4 || cents == 7;
}


// The widest count of stamps a run can show: more than 32767 5-cent stamps overflow.
const QString WidestCount = QStringLiteral("32767");

}  // namespace

StampsForm::StampsForm()
    : Form(QStringLiteral("Trocas_selos"), QStringLiteral("Trocas de reais por selos de 3 e 5 centavos"), 6990, 7410)
{
    addLabel(QStringLiteral("Label1"), QStringLiteral("Informe quantia em reais : "), {360, 360}, Pt12);
    addLabel(QStringLiteral("Label2(0)"), QStringLiteral("X"), {3720, 120}, PanelBold);
    X_ = addTextBox(QStringLiteral("X"), QString(), {3360, 360, 975, 495});
    describe(X_, QStringLiteral("Quantia em reais"), label(QStringLiteral("Label1")));
    X_->setToolTip(QStringLiteral("Para representar centavos, use Ponto."));
    CmdResolver_ = addButton(QStringLiteral("CmdResolver"), QStringLiteral("Resolver"), {4800, 240, 1215, 615});
    Novo_Calculo_ = addButton(QStringLiteral("Novo_Calculo"), QStringLiteral("&Novo Cálculo"), {4560, 3960, 1455, 495});
    Novo_Calculo_->setEnabled(false);

    QGroupBox* frame = addFrame(QStringLiteral("Frame1"), QStringLiteral("Solução"), {3720, 5040, 2895, 1455});
    Selo3_ = addLabel(QStringLiteral("Selo3"), QString(), {120, 480, 705, 300}, Pt12Bold, ole::Red, frame);
    QLabel* sol3 = addLabel(QStringLiteral("Sol(0)"), QStringLiteral("Selos de 3 Centavos"), {840, 480}, Default,
                            ole::ButtonText, frame);
    Selo5_ = addLabel(QStringLiteral("Selo5"), QString(), {120, 960, 705, 300}, Pt12Bold, ole::Red, frame);
    QLabel* sol5 = addLabel(QStringLiteral("Sol(1)"), QStringLiteral("Selos de 5 Centavos"), {840, 960}, Default,
                            ole::ButtonText, frame);
    // The counts are wider than their labels in this face: each label takes the widest count,
    // and the words after it stand clear of it (both rows alike).
    const int countWidth = QFontMetrics(Selo5_->font()).horizontalAdvance(WidestCount) + 2;
    for (QLabel* count : {Selo3_, Selo5_})
        count->resize(qMax(count->width(), countWidth), count->height());
    for (QLabel* words : {sol3, sol5})
        words->move(qMax(words->x(), Selo5_->geometry().right() + 1 + 4), words->y());

    addLabel(QStringLiteral("Label4"), QStringLiteral("RESPOSTA"), {480, 7080}, Pt135Bold, ole::Red);
    // The arrow from "RESPOSTA" towards the answer.
    addLine(QStringLiteral("Line1"), 2160, 7080, 3480, 6360, 5, ole::Red);
    addLine(QStringLiteral("Line2"), 3480, 6360, 3180, 6360, 5, ole::Red);
    addLine(QStringLiteral("Line3"), 3480, 6360, 3330, 6620, 5, ole::Red);

    buildPanel();

    setTabOrder({X_, CmdResolver_, Novo_Calculo_});
    onClick(CmdResolver_, [this] { CmdResolver_Click(); });
    onClick(Novo_Calculo_, [this] { Novo_Calculo_Click(); });
    setNewCalculationCommand(Novo_Calculo_);
    setCalculateCommand(CmdResolver_);
    Form_Load();
}

void StampsForm::buildPanel()
{
    addLabels({
        {"Label2(1)", "Valore = X * 100 =", 360, 1200, 0, 0, Panel},
        {"Label2(2)", "Cont3 = 0", 360, 1560, 0, 0, Panel},
        {"Label2(3)", "Cont5 = 0", 360, 1920, 0, 0, Panel},
        {"Faça_enquanto", "Faça enquanto ( valor <> 0 )", 480, 2280, 0, 0, Panel},
        {"Valor_5", "Se ( Valor MOD 5 = 0 )  então", 600, 2640, 0, 0, Panel},
        {"Label2(6)", "Cont5 = cont5 + (valor / 5) =", 960, 3000, 0, 0, Panel},
        {"Label2(9)", "Valor = 0", 960, 3360, 0, 0, Panel},
        {"Senão", "Senão", 840, 3720, 0, 0, Panel},
        {"Label2(8)", "Valor =  Valor  -  3  = ", 1080, 4080, 0, 0, Panel},
        {"Label2(10)", "Cont3 = cont3  + 1 =", 1080, 4440, 0, 0, Panel},
        {"Cont3_Maior", "Se Cont3 > 6 então", 1080, 4800, 0, 0, Panel},
        {"Label2(12)", "Cont3 = Cont3 - 5 = ", 1440, 5160, 0, 0, Panel},
        {"Label2(13)", "Cont5 = Cont5 +1 = ", 1440, 5520, 0, 0, Panel},
        {"Label2(14)", "Fim_Se", 1080, 5880, 0, 0, Panel},
        {"Label2(16)", "Fim_Se", 720, 6240, 0, 0, Panel},
        {"Label2(15)", "Fim_Faça", 600, 6600, 0, 0, Panel},
    });
    Faca_enquanto_ = label(QStringLiteral("Faça_enquanto"));
    Valor_5_ = label(QStringLiteral("Valor_5"));
    Label2_6_ = label(QStringLiteral("Label2(6)"));
    Label2_8_ = label(QStringLiteral("Label2(8)"));
    Cont3_Maior_ = label(QStringLiteral("Cont3_Maior"));

    // Cont51 and Cont3Mais stand 180 twips further right, clear of the "=" that ends their
    // lines in the face used here.
    ValorX_ = addValueLabel(QStringLiteral("ValorX"), 2160, 1200);
    Cont51_ = addValueLabel(QStringLiteral("Cont51"), 3480 + 180, 3000);
    Cont31_ = addValueLabel(QStringLiteral("Cont31"), 3000, 4080);
    Cont3Mais_ = addValueLabel(QStringLiteral("Cont3Mais"), 2880 + 180, 4440);
    Conte3Menos_ = addValueLabel(QStringLiteral("Conte3Menos"), 3240, 5160);
    Conte5Mais_ = addValueLabel(QStringLiteral("Conte5Mais"), 3120, 5520);

    // Brackets, each a vertical stroke with a tick at either end: "Faça enquanto" .. "Fim_Faça",
    // "Se ( Valor MOD 5 = 0 )" .. its "Fim_Se", "Se Cont3 > 6" .. its "Fim_Se".
    // The ticks stop 45 twips short of their lines' text.
    addBrackets(4, {
        {375, 2400, 480 - 45, 6720, 600 - 45},
        {495, 2760, 600 - 45, 6360, 720 - 45},
        {955, 4920, 1080 - 45, 6000, 1080 - 45},
    });
}

void StampsForm::Form_Load() { Inicio = QStringLiteral("S"); }

void StampsForm::Deixa_Preto()
{
    light({Faca_enquanto_, Valor_5_, Label2_6_, Label2_8_, Cont3_Maior_}, ole::ButtonText);
}

void StampsForm::CmdResolver_Click()
{
    if (Inicio == QLatin1String("S")) {
        const num::Currency amount = num::Currency::fromDouble(valOf(caption(X_)));
        if (amount <= num::Currency{}) {
            messageBox(QStringLiteral("Erro !!! Valor menor ou igua a ZERO"), OkOnly, kTitle);
            return;
        }
        // Amounts that would leave money over (or drive the count of 5-cent stamps below zero).
        if (noExactChange(amount)) {
            messageBox(QStringLiteral("Erro !!! Impossível trocar sem sobrar dinheiro"), OkOnly, kTitle);
            return;
        }
        X_->setEnabled(false);
        Valor = num::Value::currency(amount * num::Currency::fromWhole(100));
        setCaption(ValorX_, shown(Valor));
        Cont5 = 0;
        Cont3 = num::Value::integer(0);
        Inicio = QStringLiteral("N");
    }

    Deixa_Preto();

    if (Valor != 0) {
        light({Faca_enquanto_}, ole::Blue);
        if (num::mod(Valor, num::Value::integer(5)) == 0) {
            light({Valor_5_, Label2_6_}, ole::Blue);
            // The sum is a Double; a count past 32767 overflows the Integer.
            Cont5 = (num::Value::integer(Cont5) + Valor / num::Value::integer(5)).toInteger();
            setCaption(Cont51_, shownWhole(Cont5));
            Valor = num::Value::integer(0);
        } else {
            light({Label2_8_}, ole::Blue);
            Valor = Valor - num::Value::integer(3);
            setCaption(Cont31_, shown(Valor));
            Cont3 = Cont3 + num::Value::integer(1);
            setCaption(Cont3Mais_, shown(Cont3));
        }
    } else {
        setCaption(Selo3_, shown(Cont3));
        setCaption(Selo5_, shownWhole(Cont5));
        CmdResolver_->setEnabled(false);
        Novo_Calculo_->setEnabled(true);
    }
}

void StampsForm::Novo_Calculo_Click()
{
    Novo_Calculo_->setEnabled(false);
    CmdResolver_->setEnabled(true);
    clear({X_, Selo3_, Selo5_});
    X_->setEnabled(true);
    Inicio = QStringLiteral("S");
    Deixa_Preto();
    clear({Cont51_, Cont31_, Conte3Menos_, Cont3Mais_, Conte5Mais_, ValorX_});
    X_->setFocus(Qt::OtherFocusReason);
}

framework::Form* createStamps() { return new StampsForm; }

}  // namespace problems
