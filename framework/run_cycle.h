#pragma once
// The run of a window's algorithm, one step per click: ready, running, done, refused or
// stopped by a run-time error. It shows each step on the panel, gives the commands and inputs
// the states the window declares for each stage of the run, and keeps the desk check.
#include "framework/step.h"
#include "framework/window_state.h"

#include <QObject>
#include <memory>
#include <set>

class QPushButton;
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

    RunCycle(Form* form, std::unique_ptr<Algorithm> algorithm, RunSpec how);
    ~RunCycle() override;

    Stage stage() const { return stage_; }
    const RunSpec& declared() const { return spec_; }
    const Algorithm& algorithm() const { return *algorithm_; }
    // The desk check of the run under way: one or more rows for each step, in order.
    QStringList columns() const { return algorithm_->columns(); }
    const std::vector<TraceRow>& trace() const { return trace_; }

    // Shows a step on the panel (the effects in order).
    void show(const Step& step);

    // Going back and forth in the run: step 0 is the window before the run's first click,
    // step K after its K-th. goTo puts the window back exactly as it was then, and the next
    // click of a command continues from there (the later steps are dropped by it).
    int steps() const { return records_.empty() ? 0 : int(records_.size()) - 1; }
    int shownStep() const { return shown_; }
    void goTo(int step);
    // The step that made a row of the desk check, and the first row of a step (0-based).
    int stepOfRow(int row) const;
    int firstRowOf(int step) const;
    // The rows of the desk check up to the step shown.
    int rowsShown() const;
    // A command's click, and a new calculation, end here (after the window's guard): the
    // window as it stands then is the step's.
    void clickEnded();
    // How the step shown ended (GoesOn at step 0).
    Step::Run endOf(int step) const { return step > 0 && step <= steps() ? records_[size_t(step)].end : Step::Run::GoesOn; }
    // The command that continues the run from the step shown: the calculate command, or in a
    // window of several stages the first of its other commands that is offered; null when the
    // run is over.
    QPushButton* nextCommand() const;
    bool canContinue() const { return nextCommand() != nullptr; }
    // Takes over the run of the same window made anew (at another zoom): its steps, its
    // working values and the step shown, which the window is brought back to.
    void adopt(RunCycle& other);
    // How much the desk check holds, in bytes (an estimate).
    std::size_t footprint() const;

signals:
    // A step was shown, and its rows added to the desk check.
    void stepped();
    // The desk check was emptied: a new calculation.
    void traceCleared();
    // Another step is shown (goTo).
    void moved();

private:
    struct Record {
        std::vector<std::pair<int, ControlState>> changed;  // since the step before
        QSize size;
        std::unique_ptr<Algorithm> algorithm;
        Stage stage;
        std::set<QString> lit;
        std::size_t traceRows;
        bool endedByError;
        Step::Run end;
    };
    void run(const QString& command);
    void newCalculation();
    void afterStep(const Step& step);
    void record();
    WindowState stateAt(int step) const;
    QWidget* named(const QString& name) const;

    Form* form_;
    std::unique_ptr<Algorithm> algorithm_;
    RunSpec spec_;
    Stage stage_ = Stage::Ready;
    std::set<QString> lit_;  // the lines lit, by name
    std::vector<TraceRow> trace_;
    std::vector<Record> records_;
    WindowState base_, last_;  // the window at step 0 and at the last step recorded
    int shown_ = 0;
    bool pending_ = false;     // a step was shown in the click under way
    Step::Run lastEnd_ = Step::Run::GoesOn;
};

}  // namespace framework
