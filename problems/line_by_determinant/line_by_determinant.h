#pragma once
// Problem 03, first method: the line through two points, from the 3 x 3 determinant
// | X Y 1 ; x0 y0 1 ; x1 y1 1 | = 0 expanded by the rule of Sarrus, written out step by step.
#include "framework/form.h"

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

namespace problems {

class LineByDeterminantForm : public framework::Form {
public:
    LineByDeterminantForm();

private:
    void buildDeterminant();
    void CmdSolve_Click();

    std::array<QLineEdit*, 2> X_{};
    std::array<QLineEdit*, 2> Y_{};
    QPushButton* CmdSolve_;
    // Hidden: the magnitude of each coordinate, as text.
    std::array<QLabel*, 2> WX_{};
    std::array<QLabel*, 2> WY_{};
    // The determinant's rows 2 and 3: columns 1 and 2, and their repeats in columns 4 and 5.
    std::array<QLabel*, 2> X0_{};
    std::array<QLabel*, 2> Y0_{};
    std::array<QLabel*, 2> X1_{};
    std::array<QLabel*, 2> Y1_{};
    std::array<QLabel*, 2> Calc_{};
    // The six signed terms: even index the sign, odd index the magnitude.
    std::array<QLabel*, 12> Calc1_{};
    QLabel* Resposta_;
};

}  // namespace problems
