#pragma once
// Problem 09, second method: the smallest whole number that leaves remainders 2, 3 and 4 when
// divided by 3, 5 and 7, found by trying 1, 2, 3 ... in turn.
#include "framework/form.h"

#include <cstdint>

class QLabel;
class QPushButton;

namespace problems {

class XMOD123 : public framework::Form {
    Q_OBJECT
public:
    XMOD123();

private:
    void Cmd_Calcular_Click();
    void Cmd_Calculo_Click();

    // One turn of the search loop, and its condition.
    void pass();
    bool searching() const;
    void start();
    void answer();

    QLabel *Wx_, *Wr1_, *Wr2_, *Wr3_, *Resp_;
    QPushButton *Cmd_Calcular_, *Cmd_Calculo_;

    num::Value X, R1, R2, R3;
    // 0: the next step click starts a new search; 1: a step-by-step search is under way.
    int16_t passo = 0;
};

}  // namespace problems
