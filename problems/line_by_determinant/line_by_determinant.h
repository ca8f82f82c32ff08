#pragma once
// Problem 03, first method: the line through two points, from the 3 x 3 determinant
// | X Y 1 ; x0 y0 1 ; x1 y1 1 | = 0 expanded by the rule of Sarrus, written out step by step.
// Each click of "Resolver" works the whole answer from the points typed.
#include "framework/numbers/rules.h"  // command() throws num::RuntimeError
#include "framework/step.h"

#include <array>
#include <optional>

namespace problems {

class LineByDeterminant : public framework::AlgorithmOf<LineByDeterminant> {
public:
    QStringList columns() const override;
    void command(const QString& command, const framework::Inputs& in, framework::Step& step) override;
    void reset(framework::Step&) override { *this = LineByDeterminant(); }

    // Working values, named as the determinant names them: the points A = (X0, Y0) and
    // B = (X1, Y1) as typed.
    QString X0, Y0, X1, Y1;
    // The magnitude of each coordinate, as text (the hidden labels WX and WY), by point.
    std::array<QString, 2> WX, WY;
    // The coefficients of the negated determinant: a X + b Y + c = 0.
    std::optional<double> a, b, c;

private:
    QStringList values() const;
};

}  // namespace problems
