#pragma once
// Problem 11: the largest and the smallest of three whole numbers.
#include "framework/form.h"

#include <cstdint>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace problems {

class Maior_Menor_3 : public framework::Form {
    Q_OBJECT
public:
    Maior_Menor_3();

private:
    void Command1_Click();
    void Command2_Click();
    // The "Solução" frame wide enough for its answer.
    void fitAnswer();

    QLineEdit *N1_, *n2_, *n3_;
    QPushButton *Command1_, *Command2_;
    QGroupBox* Frame1_;
    int frameWidth_;  // its own width, in pixels
    QLabel *Maior_, *Menor_;
    QLabel* Label1_[20];

    num::Value N1, N2, N3;
    num::Value Maior;
    // The smallest is kept as a 16-bit Integer: it is rounded, and overflows past 32767.
    int16_t Menor = 0;
};

}  // namespace problems
