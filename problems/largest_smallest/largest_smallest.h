#pragma once
// Problem 11: the largest and the smallest of three whole numbers, in one click of "Calcular".
#include "framework/numbers/value.h"
#include "framework/step.h"

#include <cstdint>

namespace problems {

class LargestSmallest : public framework::AlgorithmOf<LargestSmallest> {
public:
    QStringList columns() const override;
    void command(const QString& command, const framework::Inputs& in, framework::Step& step) override;
    void reset(framework::Step& step) override;

    // Working values, named as the panel names them.
    num::Value N1, N2, N3;  // the numbers as read (Doubles)
    num::Value Maior;
    // The smallest is kept as a 16-bit Integer: it is rounded, and overflows past 32767.
    int16_t Menor = 0;
    bool hasMenor = false;  // Menor has been given a value

private:
    QStringList values() const;
    void takeMenor(framework::Step& s, const char* name, const num::Value& from, std::initializer_list<const char*> lit,
                   const char* maiorLine, const char* menorLine);
};

}  // namespace problems
