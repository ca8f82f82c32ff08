#pragma once
// Problem 03, second method: the line through two points written as a.Y = b.X + c, with
// a = X1 - X0, b = Y1 - Y0 and c = -b.X0 + a.Y0; a vertical line is refused.
#include "framework/form.h"

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

namespace problems {

class LineSecondMethodForm : public framework::Form {
public:
    LineSecondMethodForm();

private:
    void buildPanel();
    void buildBrackets();
    void Cmd_Calculo_Click();
    // The boxes of the two points wide enough for their coordinates, and what follows them.
    void layOutPoints();
    // The answer clear of the window's edge.
    void placeAnswer();

    std::array<QLineEdit*, 2> X_{};
    std::array<QLineEdit*, 2> Y_{};
    QPushButton* Cmd_Calculo_;
    // Values of a, b and c beside their panel lines, and the answer.
    QLabel* Wa_;
    QLabel* Wb_;
    QLabel* Wc_;
    QLabel* Resp_;
    // "Escreva ( "Impossível Calcular !!!)": red once a vertical line has been refused.
    QLabel* impossible_;
};

}  // namespace problems
