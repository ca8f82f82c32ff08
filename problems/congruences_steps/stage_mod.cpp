// Stage (ii): the product of the moduli, the cofactors and the three inverse searches, each
// pass followed by a "Próximo" pause; then X. Stage (iii): X reduced modulo the product.
#include "problems/congruences_steps/congruences_steps.h"

#include "framework/text.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace problems {

using namespace framework;
using num::Value;

namespace {

// "35 X1        1( mod 3 )": the blanks leave room for the drawn sign.
QString congruence(const Value& coefficient, int i, double modulus)
{
    return shown(coefficient) + QStringLiteral(" X%1        1( mod ").arg(i) + shownDouble(modulus) +
           QStringLiteral(" )");
}

const QString Times = QStringLiteral(" * ");
const QString Equals = QStringLiteral(" = ");

}  // namespace

bool XMod123Form::searchInverse(int i, const Value& C, Value& counter)
{
    const QString n = QString::number(i);
    const QString title = QStringLiteral("Cálculo de X") + n;
    setCaption(Rotulo_, title);
    Aux = Value::integer(0);
    counter = Value::integer(0);
    setCaption(Label9_[0], QStringLiteral("Aux_%1= 0").arg(n));
    setCaption(Label9_[1], QStringLiteral("Cont_%1 = 0").arg(n));
    setCaption(Label9_[2], QStringLiteral("Faça enquanto Aux_%1 <> 1").arg(n));
    setCaption(Label9_[5], QStringLiteral("Loop"));
    while (Aux != 1.0) {
        counter = counter + Value::integer(1);
        setCaption(Label9_[3], QStringLiteral("Cont_%1 = cont_%1 + 1 = ").arg(n) + shown(counter));
        Aux = num::mod(C * counter, Value::dbl(valOf(R_[i - 1]->text())));
        setCaption(Label9_[4], QStringLiteral("Aux_%1 = (N%1 * Cont_%1) MOD Mod%1 = ").arg(n) + shown(Aux));
        messageBox(QStringLiteral("Próximo"), Information, title);
        if (counter > 80.0) {
            // No inverse below 81: say so, and leave "Calculo_MOD" offered.
            messageBox(QStringLiteral("Impossível calcular !!!"));
            return false;
        }
    }
    setCaption(Label9_[6], QStringLiteral("X%1 = ").arg(n) + shown(counter));
    setCaption(Label8_[i - 1], QStringLiteral(" Logo X%1 = ").arg(n) + shown(counter));
    return true;
}

void XMod123Form::Cmd_Calc_MOD_Click()
{
    const double m1 = valOf(R_[0]->text());
    const double m2 = valOf(R_[1]->text());
    const double m3 = valOf(R_[2]->text());
    Mod = Value::dbl(m1) * Value::dbl(m2) * Value::dbl(m3);
    N1 = Value::dbl(m2) * Value::dbl(m3);
    N2 = Value::dbl(m1) * Value::dbl(m3);
    N3 = Value::dbl(m1) * Value::dbl(m2);

    // The moduli as typed, and the products.
    const QString t1 = R_[0]->text(), t2 = R_[1]->text(), t3 = R_[2]->text();
    setCaption(Modulo_, t1 + Times + t2 + Times + t3 + Equals + shown(Mod));
    setCaption(NLabel_[0], t2 + Times + t3 + Equals + shown(N1));
    setCaption(NLabel_[1], t1 + Times + t3 + Equals + shown(N2));
    setCaption(NLabel_[2], t1 + Times + t2 + Equals + shown(N3));
    showCongruenceSigns(3, 5);
    setCaption(Calc_Mod_[0], congruence(N1, 1, m1));
    setCaption(Calc_Mod_[1], congruence(N2, 2, m2));
    setCaption(Calc_Mod_[2], congruence(N3, 3, m3));

    C1 = num::mod(N1, Value::dbl(m1));
    C2 = num::mod(N2, Value::dbl(m2));
    C3 = num::mod(N3, Value::dbl(m3));
    for (int k : {0, 1}) {
        setCaption(ModX_[0][k], congruence(C1, 1, m1));
        setCaption(ModX_[1][k], congruence(C2, 2, m2));
        setCaption(ModX_[2][k], congruence(C3, 3, m3));
    }
    for (int i = 0; i < 6; ++i) {
        Image1_[i]->show();
        if (i < 3)
            Line17_[i]->show();
    }
    setCaption(ModX_[0][2], congruence(N1, 1, m1));
    setCaption(ModX_[1][2], congruence(N2, 2, m2));
    setCaption(ModX_[2][2], congruence(N3, 3, m3));
    layOut();
    showCongruenceSigns(3, 8);
    for (QWidget* line : Bracket_)
        line->show();

    if (!searchInverse(1, C1, Cont_1))
        return;
    X1 = Cont_1;
    if (!searchInverse(2, C2, Cont_2))
        return;
    X2 = Cont_2;
    Value cont3;
    if (!searchInverse(3, C3, cont3))
        return;
    Cont_3 = cont3.toInteger();
    X3 = Value::integer(Cont_3);

    setCaption(Valor_X_, QStringLiteral(" Conclusão (ii) : X1 = ") + shown(X1) + QStringLiteral("     X2 = ") +
                             shown(X2) + QStringLiteral("     X3 = ") + shown(X3));
    const Value r1 = Value::dbl(valOf(Mod_[0]->text()));
    const Value r2 = Value::dbl(valOf(Mod_[1]->text()));
    const Value r3 = Value::dbl(valOf(Mod_[2]->text()));
    X = r1 * N1 * X1 + r2 * N2 * X2 + r3 * N3 * X3;
    const QString plus = QStringLiteral(" + ");
    setCaption(X_[0], shown(r1) + Times + shown(N1) + Times + shown(X1) + plus + shown(r2) + Times + shown(N2) +
                          Times + shown(X2) + plus + shown(r3) + Times + shown(N3) + Times + shown(X3));
    setCaption(X_[1], shown(X));

    Cmd_Calc_MOD_->hide();
    Cmd_Next_->show();
    Cmd_Next_->setFocus();
}

void XMod123Form::Cmd_Next_Click()
{
    Cmd_Next_->hide();
    Cmd_Calc_MOD_->hide();
    Cmd_Final_->show();
    Frame_MOD_->hide();
}

void XMod123Form::Cmd_Final_Click()
{
    N = num::mod(X, Mod).toLong();
    const QString x = shown(X), mod = shown(Mod), n = shownWhole(N);
    setCaption(Label10_[5], x + QStringLiteral("         ? (mod ") + mod + QStringLiteral(")"));
    setCaption(Label10_[6], QStringLiteral(" Assim : ") + x + QStringLiteral(" dividido por ") + mod +
                                QStringLiteral(" deixa resto : ") + n);
    setCaption(Label10_[7], QStringLiteral(" Logo, N = ") + n + QStringLiteral(" + ") + mod +
                                QStringLiteral(" k,  com ( k = 0,1,2...N )"));
    setCaption(Label10_[8], QStringLiteral(" Sendo k = 0, teremos, N = ") + n + QStringLiteral(" + ") + mod +
                                QStringLiteral(" * 0 = ") + n);
    setCaption(Label10_[9], QStringLiteral(" conclusão (iii): O menor número inteiro é : ") + n);
    Cmd_Final_->hide();
}

}  // namespace problems
