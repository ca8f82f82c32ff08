#pragma once
// Problem 05: the sum of the digits of a whole number, one pass of the loop per click of
// " Leia     N".
#include "framework/numbers/value.h"
#include "framework/step.h"

#include <cstdint>

namespace problems {

class DigitSum : public framework::AlgorithmOf<DigitSum> {
public:
    QStringList columns() const override;
    void command(const QString& command, const framework::Inputs& in, framework::Step& step) override;
    void reset(framework::Step&) override { *this = DigitSum(); }

    // Working values, named as the panel names them.
    num::Value N;          // the typed text until the first pass, then a Long
    num::Value R;          // the digit of the pass
    num::Value quociente;  // N \ 10 of the pass
    int16_t Soma = 0;
    bool Inicio = true;    // the next click must read a new number

private:
    QStringList values() const;
};

}  // namespace problems
