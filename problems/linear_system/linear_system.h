#pragma once
// Problem 01: a system of two linear equations solved by determinants.
#include "framework/form.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace problems {

class Sistema : public framework::Form {
    Q_OBJECT
public:
    Sistema();

private:
    void CmdCalc_Click();
    // The boxes of the system wide enough for their coefficients, and what follows them.
    void layOutEquations();

    QLineEdit *a1_, *b1_, *c1_, *a2_, *b2_, *c2_;
    QPushButton* Cmdcalc_;
    QLabel* Label2_[3];
    QLabel* Label3_[12];

    // The coefficients as read, the three determinants and the solution.
    num::Value a1, b1, c1, a2, b2, c2;
    num::Value Det, Det_A1, Det_A2, X, Y;
};

}  // namespace problems
