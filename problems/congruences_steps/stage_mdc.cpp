// Stage (i): MDC(MDC(m1, m2), m3) by Euclid's algorithm, one remainder step per click.
#include "problems/congruences_steps/congruences_steps.h"

#include "framework/text.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace problems {

using namespace framework;
using num::Value;

// Takes back the colours and the six value labels of the previous click.
void XMod123Form::LimpaCampo()
{
    for (QLabel* line : Label2_)
        setForeColor(line, ole::ButtonText);
    clear({Modu1_[0], Modu2_[0], Modu1_[1], Modu2_[1], Mod2_Final_, Mod1_Final_});
}

// Reads the moduli and, unless two of them are even, writes the congruences and starts the loop.
void XMod123Form::Primeira_Vez()
{
    Mod1 = Value::dbl(valOf(R_[0]->text()));
    Mod2 = Value::dbl(valOf(R_[1]->text()));
    Mod3 = Value::dbl(valOf(R_[2]->text()));

    const Value two = Value::integer(2);
    const bool even1 = num::mod(Mod1, two) == 0.0;
    const bool even2 = num::mod(Mod2, two) == 0.0;
    const bool even3 = num::mod(Mod3, two) == 0.0;
    if ((even1 && even2) || (even1 && even3) || (even2 && even3)) {
        // The flags stay as they are: the next click reads the moduli and checks again.
        messageBox(QStringLiteral("Impossível calcular, pois MDC ( ") + shown(Mod1) + QStringLiteral(" , ") +
                   shown(Mod2) + QStringLiteral(" , ") + shown(Mod3) + QStringLiteral(" ) # 1"));
        return;
    }

    for (int i = 0; i < 3; ++i)
        setCaption(Label1_[i], QStringLiteral("X         ") + shownDouble(valOf(Mod_[i]->text())) +
                                   QStringLiteral(" ( mod ") + shownDouble(valOf(R_[i]->text())) +
                                   QStringLiteral(" )"));
    layOut();
    showCongruenceSigns(0, 2);
    Termina = false;
    firstTime_ = false;
    pairFlag_ = 0;
    setForeColor(Label2_[22], ole::Blue);
}

void XMod123Form::Cmd_Calc_MDC_Click()
{
    if (restartMdc_) {
        // After a run-time error the stage starts over from the boxes.
        restartMdc_ = false;
        for (QListWidget* list : {ListRest_, ListMaior_, ListMenor_, ListResto_})
            list->clear();
        firstTime_ = true;
        Termina = false;
        pairFlag_ = 0;
        Maior = Menor = Resto = Value();
    }
    LimpaCampo();
    if (firstTime_)
        Primeira_Vez();

    for (;;) {
        // Top of the outer loop: the stage ends once the second pair is done.
        if (Termina && pairFlag_ == 0) {
            Conclusao();
            return;
        }
        setForeColor(Label2_[4], ole::Blue);
        if (Mod2 == Menor) {
            Termina = true;
            setForeColor(Label2_[5], ole::Blue);
            setForeColor(Label2_[22], ole::ButtonText);
        }
        if (pairFlag_ == 0) {
            // A new pair starts.
            pairFlag_ = -1;
            // "Se Mod1> Mod2 então" writes beside its own lines, "Senão" beside its own.
            const bool greater = Mod1 > Mod2;
            setForeColor(Label2_[greater ? 6 : 9], ole::Blue);
            Maior = greater ? Mod1 : Mod2;
            Menor = greater ? Mod2 : Mod1;
            const int branch = greater ? 0 : 1;
            setCaption(Modu1_[branch], shown(Maior));
            setCaption(Modu2_[branch], shown(Menor));
            Resto = num::mod(Maior, Menor);
            ListRest_->addItem(shown(Resto));
        }
        if (Resto != 0.0) {
            // One remainder step, and the click ends.
            Maior = Menor;
            Menor = Resto;
            Resto = num::mod(Maior, Menor);
            ListMaior_->addItem(shown(Maior));
            ListMenor_->addItem(shown(Menor));
            ListResto_->addItem(shown(Resto));
            return;
        }
        // The pair is done: its divisor is paired with the third modulus.
        pairFlag_ = 0;
        Mod2 = Menor;
        Mod1 = Mod3;
        setCaption(Mod2_Final_, shown(Mod2));
        setCaption(Mod1_Final_, shown(Mod1));
    }
}

void XMod123Form::Conclusao()
{
    const QString mdc = QStringLiteral("O MDC de ( ") + shownDouble(valOf(R_[0]->text())) + QStringLiteral(" , ") +
                        shownDouble(valOf(R_[1]->text())) + QStringLiteral(" , ") +
                        shownDouble(valOf(R_[2]->text())) + QStringLiteral(" ) = ") + shown(Menor);
    messageBox(mdc);
    if (Menor == 1.0) {
        Frame_MDC_->hide();
        Cmd_Calc_MDC_->hide();
        Cmd_Calc_MOD_->show();
        Frame_MOD_->show();
        setCaption(Label3_[1], QStringLiteral("Conclusão (i): ") + mdc);
        layOut();
    } else {
        messageBox(QStringLiteral("Impossível calcular !!!"));
    }
}

}  // namespace problems
