#pragma once
// Problem 04: the table of a piecewise f(x) on a closed interval [a, b], one point per click.
#include "framework/form.h"
#include "framework/numbers/value.h"

#include <QString>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace problems {

class Intervalo : public framework::Form {
    Q_OBJECT
public:
    Intervalo();

private:
    void Form_Load();
    void Pausa();
    void Command1_Click();
    void CmdNovo_Click();

    // Inputs.
    QLineEdit *a_, *b_, *n_;
    QPushButton *Command1_, *CmdNovo_;
    // Value labels.
    QLabel *Interv_, *X_, *bb_;
    // The branches of the "Se" chain.
    QLabel *Xmenor3_, *Xmaior3_, *Xintervalo_, *fxMenor_, *fxMaior_, *fxIntervalo_;
    // The result columns and the loop's bookkeeping.
    QListWidget *Xfinal_, *fx_, *Cont1_, *Cont2_, *X1_, *a1_, *cont3_, *int1_;

    // Working values, named as the panel names them.
    num::Value a, b, n;
    num::Value Intervalo_;
    num::Value X;
    num::Currency Cont;
    num::Currency Fx;
    QString inicio;  // the start flag: "S" while the next click starts a new run
};

}  // namespace problems
