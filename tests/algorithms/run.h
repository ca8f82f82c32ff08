#pragma once
// Plays an algorithm with no window: typed texts in, the steps out.
#include "framework/step.h"

#include <QHash>
#include <vector>

namespace testsupport {

class Typed : public framework::Inputs {
public:
    Typed(std::initializer_list<std::pair<framework::Name, QString>> texts)
    {
        for (const auto& [box, text] : texts)
            texts_.insert(box.text(), text);
    }
    QString text(framework::Name box) const override { return texts_.value(box.text()); }

private:
    QHash<QString, QString> texts_;
};

// One command; a run-time error ends the step as the run cycle ends it.
inline framework::Step step(framework::Algorithm& algorithm, framework::Name command,
                            const framework::Inputs& in = Typed{})
{
    framework::Step s;
    try {
        algorithm.command(command, in, s);
    } catch (const num::RuntimeError& error) {
        s.run = framework::Step::Run::Error;
        s.error = error.number();
    }
    return s;
}

// Clicks `command` until the run is over (or `limit` clicks); the steps in order.
inline std::vector<framework::Step> runToEnd(framework::Algorithm& algorithm, framework::Name command,
                                             const framework::Inputs& in, int limit = 100000)
{
    std::vector<framework::Step> steps;
    while (int(steps.size()) < limit) {
        steps.push_back(step(algorithm, command, in));
        if (steps.back().run != framework::Step::Run::GoesOn)
            break;
    }
    return steps;
}

// The last caption written to `control` in these steps (empty when none).
inline QString lastCaption(const std::vector<framework::Step>& steps, framework::Name control)
{
    QString text;
    for (const framework::Step& s : steps)
        for (const framework::Effect& e : s.effects)
            if (e.kind == framework::Effect::Caption && e.control == control.text())
                text = e.text;
    return text;
}

}  // namespace testsupport
