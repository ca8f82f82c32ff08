#pragma once
// Problem 01: a system of two linear equations solved by determinants, the whole system in
// one click of "Cálcule".
#include "framework/numbers/value.h"
#include "framework/step.h"

namespace problems {

class LinearSystem : public framework::AlgorithmOf<LinearSystem> {
public:
    QStringList columns() const override;
    void command(const QString& command, const framework::Inputs& in, framework::Step& step) override;
    void reset(framework::Step&) override { *this = LinearSystem(); }

    // The coefficients as read, the three determinants and the solution, named as the panel
    // names them (all Doubles).
    num::Value a1, b1, c1, a2, b2, c2;
    num::Value Det, Det_A1, Det_A2, X, Y;

private:
    QStringList values() const;
    // Writes one determinant worked out from its four factors, with its desk-check row.
    void determinant(framework::Step& s, num::Value& result, const char* name, const char* label,
                     const num::Value& p, const num::Value& q, const num::Value& r, const num::Value& t);
};

}  // namespace problems
