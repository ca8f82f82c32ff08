#pragma once
// Problem 02: the adjusted salary of an employee (40 %, 30 % or 20 % by salary band), worked in
// one click of "Resolver".
#include "framework/numbers/rules.h"
#include "framework/step.h"

namespace problems {

class Salary : public framework::AlgorithmOf<Salary> {
public:
    QStringList columns() const override;
    void command(const QString& command, const framework::Inputs& in, framework::Step& step) override;
    void reset(framework::Step& step) override;

    // The salary as read, then the adjusted salary.
    num::Currency X;
    bool read = false;  // X holds a salary

private:
    QStringList values() const;
};

}  // namespace problems
