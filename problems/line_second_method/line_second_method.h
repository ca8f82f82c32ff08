#pragma once
// Problem 03, second method: the line through two points written as a.Y = b.X + c, with
// a = X1 - X0, b = Y1 - Y0 and c = -b.X0 + a.Y0; a vertical line is refused. Each click of
// "Calcular" works the whole answer from the points typed.
#include "framework/numbers/value.h"
#include "framework/step.h"

#include <optional>

namespace problems {

class LineSecondMethod : public framework::AlgorithmOf<LineSecondMethod> {
public:
    QStringList columns() const override;
    void command(const QString& command, const framework::Inputs& in, framework::Step& step) override;
    void reset(framework::Step&) override { *this = LineSecondMethod(); }

    // Working values, named as the panel names them. The coordinates are the texts typed.
    num::Value X0, Y0, X1, Y1;
    num::Value a, b;
    std::optional<double> c;
    num::Value Sinal1, Sinal2;  // "" or "-"
    QString Sinal3;             // "+" or "-"

private:
    QStringList values() const;
};

}  // namespace problems
