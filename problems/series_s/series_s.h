#pragma once
// Problem 06: S = X - X^2/2! + X^3/3! - ... up to the term of exponent N, one term per click.
#include "framework/numbers/value.h"
#include "framework/step.h"

#include <cstdint>

namespace problems {

class SeriesS : public framework::AlgorithmOf<SeriesS> {
public:
    QStringList columns() const override;
    void command(const QString& command, const framework::Inputs& in, framework::Step& step) override;
    void reset(framework::Step&) override { *this = SeriesS(); }

    // Working values, named as the panel names them.
    num::Value S;        // running sum, a Double
    num::Value NAux;     // exponent of the last term, an Integer
    double XAux = 0;     // X raised to NAux
    num::Value Num;      // counts NAux down while the factorial is built (empty before the first term)
    int32_t Fat = 0;     // NAux factorial; 13! no longer fits
    bool Inicio = true;  // the next click starts a new run

private:
    QStringList values() const;
    // Adds the term of exponent NAux + 1 to S; `said` gathers what was done, up to where a
    // run-time error stops it.
    void addTerm(const QString& typedX, framework::Step& s, QString& said, QString& doing);
};

}  // namespace problems
