#include "problems/congruences_search/congruences_search.h"

#include "framework/text.h"
#include "problems/problems.h"

#include <QLabel>
#include <QPushButton>

namespace problems {

using namespace framework;
using num::Value;

XMOD123::XMOD123()
    : Form(QStringLiteral("XMOD123"), QStringLiteral("Inteiro dividido por 2,3 & 4 ( Versão 2 )"), 8235, 7575)
{
    addLabels({
        {"Label2(10)", "Inteiro :  R1,  R2,  R3,  X", 480, 120},
        {"Label2(13)", "Início", 360, 480},
        {"Label2(11)", "R1= 0", 600, 840},
        {"Label2(12)", "X = 0", 600, 1200},
        {"Label2(0)", "Enquanto ( R1 <> 2 Or R2 <> 3 Or R3 <> 4 )", 600, 1680},
        {"Label2(1)", "X = X + 1 =", 960, 2040},
    });
    Wx_ = addValueLabel(QStringLiteral("Wx"), 2040, 2040, Default, ole::DarkBlue);
    addLabel(QStringLiteral("Label2(2)"), QStringLiteral("R1  =  X  - 3 * ( X / 3 ) ="), {960, 2400});
    Wr1_ = addValueLabel(QStringLiteral("Wr1"), 3000, 2280, Default, ole::DarkBlue);
    addLabels({
        {"Label2(3)", "Se R1 = 2 então", 960, 2760},
        {"Label2(4)", "R2  =  X  - 5  * ( X / 5 ) =", 1320, 3120},
    });
    Wr2_ = addValueLabel(QStringLiteral("Wr2"), 3360, 3120, Default, ole::DarkBlue);
    addLabels({
        {"Label2(5)", "Se R2 = 3 então", 1320, 3480},
        {"Label2(6)", "R3  =  X  - 7  * ( X / 7 ) =", 1680, 3840},
    });
    Wr3_ = addValueLabel(QStringLiteral("Wr3"), 3720, 3840, Default, ole::DarkBlue);
    addLabels({
        {"Label2(7)", "Fim_Se", 1320, 4320},
        {"Label2(8)", "Fim_Se", 960, 4680},
        {"Label2(9)", "Fim_Enquanto", 600, 5160},
        {"Label2(14)", "Fim", 240, 5520},
    });
    Resp_ = addValueLabel(QStringLiteral("Resp"), 240, 6360, Default, ole::DarkBlue);

    // "Início" to "Fim", the loop to "Fim_Enquanto", each "Se" to its "Fim_Se".
    addBracket(1, 180, 360, 480, 240, 5520, 105);
    addBracket(4, 480, 600, 1680, 600, 5160, 105);
    addBracket(7, 840, 960, 2760, 960, 4680, 105);
    addBracket(10, 1200, 1320, 3480, 1320, 4320, 105);

    Cmd_Calcular_ = addButton(QStringLiteral("Cmd_Calcular"), QStringLiteral("   Calcular Passo-a-passo"),
                              {5280, 840, 1455, 615});
    // Its caption, leading blanks and all, stands on one line: the button is as wide as that needs.
    Cmd_Calcular_->resize(qMax(Cmd_Calcular_->width(), Cmd_Calcular_->sizeHint().width()), Cmd_Calcular_->height());
    Cmd_Calculo_ = addButton(QStringLiteral("Cmd_Calculo"), QStringLiteral("Calcular"), {5280, 1920, 1455, 615});

    setTabOrder({Cmd_Calcular_, Cmd_Calculo_});
    onClick(Cmd_Calcular_, [this] { Cmd_Calcular_Click(); });
    onClick(Cmd_Calculo_, [this] { Cmd_Calculo_Click(); });
}

void XMOD123::start()
{
    R1 = Value::integer(0);
    R2 = Value::integer(0);
    R3 = Value::integer(0);
    X = Value::integer(0);
}

bool XMOD123::searching() const { return R1 != 2.0 || R2 != 3.0 || R3 != 4.0; }

void XMOD123::pass()
{
    clear({Wr1_, Wr2_, Wr3_});
    X = X + Value::integer(1);
    setCaption(Wx_, shown(X));
    R1 = num::mod(X, Value::lng(3));
    setCaption(Wr1_, shown(R1));
    if (R1 == 2.0) {
        R2 = num::mod(X, Value::lng(5));
        setCaption(Wr2_, shown(R2));
        if (R2 == 3.0) {
            R3 = num::mod(X, Value::lng(7));
            setCaption(Wr3_, shown(R3));
        }
    }
}

void XMOD123::answer()
{
    setCaption(Resp_, QStringLiteral(" O menor número inteiro é : ") + shown(X));
    passo = 0;
}

void XMOD123::Cmd_Calcular_Click()
{
    clear({Resp_});
    if (passo == 0)
        start();
    if (searching()) {
        pass();
        passo = 1;
    } else {
        answer();
    }
}

void XMOD123::Cmd_Calculo_Click()
{
    clear({Resp_});
    start();
    while (searching())
        pass();
    answer();
}

framework::Form* createCongruencesSearch() { return new XMOD123; }

}  // namespace problems
