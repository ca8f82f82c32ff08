#pragma once
// The perfect numbers up to 999: each click of "Calcule" searches on to the next one.
#include "framework/form.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace problems {

class PerfectNumbersForm : public framework::Form {
public:
    PerfectNumbersForm();

private:
    void buildPanel();
    void Cmd_Calc_Click();

    QPushButton* Cmd_Calc_;
    QLabel* Wn_;
    QListWidget* List2_;
    QListWidget* List3_;
    QListWidget* Resposta_;

    // Working values, named as the panel names them; empty until the first click.
    num::Value N;     // the number examined (an Integer)
    num::Value Soma;  // sum of the divisors of N found so far (a Double)
};

}  // namespace problems
