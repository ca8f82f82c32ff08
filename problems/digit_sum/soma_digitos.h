#pragma once
// Problem 05: the sum of the digits of a whole number, one pass of the loop per click.
#include "framework/form.h"
#include "framework/numbers/value.h"

#include <QString>
#include <cstdint>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace problems {

class Soma_Digitos : public framework::Form {
    Q_OBJECT
public:
    Soma_Digitos();

protected:

private:
    void Form_Load();
    void Resposta_Click();
    void Command1_Click();
    // Makes room for what the number box and the columns hold now: the columns side by side,
    // the window around them.
    void arrange() override;

    QLineEdit* Num_;
    QPushButton *Resposta_, *Command1_;
    QLabel* Answer_;
    // The columns under the panel lines.
    QListWidget *R_, *N_, *Div_, *Dez_, *Som_, *Sol_, *Resto_;

    // Working values, named as the panel names them.
    num::Value N;         // the typed text until the first pass, then a Long
    num::Value R;         // the digit of the pass
    num::Value quociente; // N \ 10 of the pass
    int16_t Soma = 0;
    QString inicio;  // the start flag: "S" while the next click must read a new number
};

}  // namespace problems
