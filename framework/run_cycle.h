#pragma once
// The run of a window's algorithm, one step per click: ready, running, done, refused or
// stopped by a run-time error. It shows each step on the panel, gives the commands and inputs
// the states the window declares for each stage of the run, and keeps the desk check.
#include "framework/step.h"

#include <QObject>
#include <memory>
#include <set>

class QWidget;

namespace framework {

class Form;

// How a window's run goes, declared with its panel (control names).
struct RunSpec {
    // How a finished run takes the calculate command away: disabled; hidden, where the
    // new-calculation command takes its place; or not at all, where every click is a whole run.
    enum class End { Disable, Hide, Stay };
    QString calculate;           // the calculate command
    QString newCalculation;      // the new-calculation command (none: empty)
    End end = End::Disable;
    QStringList otherCommands;   // further buttons that run commands of the algorithm
    QStringList lockedWhileRunning;  // inputs taken away from the run's start to the new calculation
    QStringList clearedByNew;    // captions, texts and lists the new calculation empties
    QString focusOnNew;          // where the new calculation puts the cursor (none: the first box)
};

class RunCycle : public QObject {
    Q_OBJECT
public:
    enum class Stage { Ready, Running, Done, Stopped };

    RunCycle(Form* form, std::unique_ptr<Algorithm> algorithm, RunSpec spec);
    ~RunCycle() override;

    Stage stage() const { return stage_; }
    const RunSpec& spec() const { return spec_; }
    const Algorithm& algorithm() const { return *algorithm_; }
    // The desk check of the run under way: one or more rows for each step, in order.
    QStringList columns() const { return algorithm_->columns(); }
    const std::vector<TraceRow>& trace() const { return trace_; }

    // Shows a step on the panel (the effects in order); false when a control it names is
    // not in the window.
    void show(const Step& step);

signals:
    // A step was shown, and its rows added to the desk check.
    void stepped();
    // The desk check was emptied: a new calculation.
    void traceCleared();

private:
    void run(const QString& command);
    void newCalculation();
    void afterStep(const Step& step);
    QWidget* named(const QString& name) const;

    Form* form_;
    std::unique_ptr<Algorithm> algorithm_;
    RunSpec spec_;
    Stage stage_ = Stage::Ready;
    std::set<QWidget*> lit_;
    std::vector<TraceRow> trace_;
};

}  // namespace framework
