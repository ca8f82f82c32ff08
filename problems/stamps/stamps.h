#pragma once
// Problem 08: change an amount in reais into 3- and 5-cent stamps, one pass of the loop per
// click of "Resolver".
#include "framework/numbers/value.h"
#include "framework/step.h"

#include <cstdint>

namespace problems {

class Stamps : public framework::AlgorithmOf<Stamps> {
public:
    QStringList columns() const override;
    void command(const QString& command, const framework::Inputs& in, framework::Step& step) override;
    void reset(framework::Step&) override { *this = Stamps(); }

    // Working values, named as the panel names them.
    num::Value Valor;    // what is left to change, in cents (a Currency)
    num::Value Cont3;    // 3-cent stamps taken (an Integer)
    int16_t Cont5 = 0;   // 5-cent stamps taken
    bool Inicio = true;  // the next click starts a new run

private:
    QStringList values() const;
};

// Whether 3- and 5-cent stamps can make up an amount exactly.
bool exactChange(num::Currency amount);

}  // namespace problems
