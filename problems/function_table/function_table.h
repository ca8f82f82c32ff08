#pragma once
// Problem 04: the table of a piecewise f(x) on a closed interval [a, b], one point per click
// of "Calcule".
#include "framework/numbers/value.h"
#include "framework/step.h"

namespace problems {

class FunctionTable : public framework::AlgorithmOf<FunctionTable> {
public:
    QStringList columns() const override;
    void command(const QString& command, const framework::Inputs& in, framework::Step& step) override;
    void reset(framework::Step&) override { *this = FunctionTable(); }

    // Working values, named as the panel names them.
    num::Value a, b, n;
    num::Value Intervalo;  // (b - a) / n, a Double
    num::Value X;          // the point of the next pass, a Double
    num::Currency Cont;    // the points written so far
    num::Currency Fx;      // f of the last point written
    // What a desk-check row is about: the point it tabulates (with its f), or the X that ends
    // the loop; X itself has moved on to the next point by the end of the step.
    num::Value Xrow;
    bool tabulated = false;
    bool Inicio = true;    // the next click starts a new run
    bool running = false;  // the step is worked out and shown (n was not 0)

private:
    QStringList values() const;
    bool start(const framework::Inputs& in, framework::Step& s, QString& said, QString& doing);
    void point(framework::Step& s, const QString& said, QString& doing);
};

}  // namespace problems
