#pragma once
// Problem 02: the adjusted salary of an employee (40 %, 30 % or 20 % by salary band).
#include "framework/form.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace problems {

class SalaryForm : public framework::Form {
public:
    SalaryForm();

private:
    void buildPanel();
    void CmdSolve_Click();
    void Command1_Click();
    // "Resolver" clear of the echo, and the window wide enough for the echo and the answer.
    void fitAnswer();

    QLineEdit* Salario_;
    QLabel* ValX_;
    QPushButton* CmdSolve_;
    int solveLeft_;  // the place of "Resolver", in pixels
    QLabel* Resp_;
    QPushButton* Command1_;
    // The three assignment lines of the panel, lit blue when their band applies.
    QLabel* sal1_;
    QLabel* Sal2_;
    QLabel* Sal3_;

    // The salary as read, then the adjusted salary.
    num::Currency X;
};

}  // namespace problems
