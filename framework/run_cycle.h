#pragma once
// The run of a window's algorithm, one step per click: ready, running, done, refused or
// stopped by a run-time error. The run cycle is the one owner of a run: it takes the commands'
// clicks, shows each step on the panel, gives the commands and inputs the states the window
// declares for each stage of the run, ends the run (reporting a run-time error itself) and
// keeps the desk check. The window only lays out and draws.
#include "framework/step.h"
#include "framework/trace_model.h"
#include "framework/window_state.h"

#include <QObject>
#include <cstdint>
#include <functional>
#include <memory>
#include <set>
#include <vector>

class QPushButton;
class QWidget;

namespace framework {

class Form;

// How a window's run goes, declared with its panel (control names).
struct RunSpec {
    // How a finished run takes the calculate command away: disabled; hidden, where the
    // new-calculation command takes its place; or not at all, where every click is a whole run.
    enum class End { Disable, Hide, Stay };
    // What a stage of the run does to one of its commands.
    struct Change {
        enum Kind { Show, Hide, Enable, Disable };
        Kind kind;
        Name command;
    };
    // A stage of the run and what it does to its commands, in order: a command taken away
    // that has the focus passes it to the next one offered by then.
    struct StageCommands {
        const char* name;
        std::vector<Change> changes;
    };
    Name calculate;              // the calculate command
    Name newCalculation;         // the new-calculation command (none: empty)
    End end = End::Disable;
    // The run's end offers the new calculation before it takes the calculate command away, so
    // that the focus leaving that command goes to it.
    bool offerNewFirst = false;
    std::vector<Name> otherCommands;       // further buttons that run commands of the algorithm
    std::vector<Name> lockedWhileRunning;  // inputs taken away from the run's start to the new calculation
    std::vector<Name> clearedByNew;        // captions, texts and lists the new calculation empties
    Name focusOnNew;             // where the new calculation puts the cursor (none: the first box)
    // A run of stages with no new calculation, where a run-time error stops only the click:
    // what the earlier clicks wrote stays, and the step says which stage goes on. (Else a
    // window without a new calculation puts back the labels the click did not reach.)
    bool errorStopsOnlyTheClick = false;
    // The commands each stage of the run shows and enables. The run cycle enters "ready" when
    // the window is made and at the new calculation, "done" when the answer is shown and
    // "stopped" when a run-time error ended a run that has a new calculation; the algorithm
    // enters the others (Step::stage). "ready", "done" and "stopped" follow `end` unless
    // declared here: ready offers the calculate command and takes the new calculation away,
    // done and stopped the other way round.
    std::vector<StageCommands> stages;
};

class RunCycle : public QObject {
    Q_OBJECT
public:
    enum class Stage { Ready, Running, Done, Stopped };

    RunCycle(Form* form, std::unique_ptr<Algorithm> algorithm, RunSpec how);
    ~RunCycle() override;

    Stage stage() const { return stage_; }
    // The desk check of the run under way: one row per step, in order.
    QStringList columns() const { return algorithm_->columns(); }
    const std::vector<TraceRow>& trace() const { return model_->rows(); }
    TraceModel* model() const { return model_; }

    // Shows a step on the panel (the effects in order).
    void show(const Step& step);

    // Going back and forth in the run. Every row of the desk check is a step: step K is the
    // window as it stood when row K was written (inside a click, the part of the click up to
    // that row), step 0 the window before the run's first click. goTo puts the window back
    // exactly as it was then. A click of a command continues from the step shown: after the
    // last row of a click it continues from there; at a row inside a click it does that click
    // again from its start (the working values of an algorithm exist only between clicks).
    // Either way the rows after the step it continues from are dropped.
    int steps() const { return int(model_->rows().size()); }
    int shownStep() const { return shown_; }
    void goTo(int step);
    // What the window showed at a step, as it was recorded.
    WindowState stateOf(int step) const { return step >= 0 && step <= steps() && !records_.empty() ? stateAt(step) : WindowState(); }
    // How the step ended (GoesOn at step 0 and inside a click).
    Step::Run endOf(int step) const { return step > 0 && step <= steps() ? records_[size_t(step)].end : Step::Run::GoesOn; }
    // The command that continues the run from the step shown: the calculate command, or in a
    // window of several stages the first of its other commands that is offered; null when the
    // run is over.
    QPushButton* nextCommand() const;
    // Whether "Avançar um passo" has somewhere to go: a later row, or a command to click.
    bool canContinue() const { return shown_ < steps() || nextCommand() != nullptr; }
    // Takes over the run of the same window made anew (at another zoom): its steps, its
    // working values and the step shown, which the window is brought back to.
    void adopt(RunCycle& other);
    // Something that may take a click of a command before the run does (the desk check, when
    // the student predicts the next step): it returns true when it took the click. The
    // new-calculation command is never taken.
    void setClickGate(std::function<bool()> gate) { gate_ = std::move(gate); }
    // The row (0-based) a message box shown now comes with: the row just written when the box
    // shows the window as that row left it, else the row the click writes next.
    int messageRow() const { return messageRow_ >= 0 ? messageRow_ : steps(); }
    // How much the desk check holds, in bytes (an estimate).
    std::size_t footprint() const;

signals:
    // A click made its steps, and its rows were added to the desk check.
    void stepped();
    // Another step is shown (goTo).
    void moved();

private:
    struct Record {
        std::vector<std::pair<int, ControlState>> changed;  // since the step before
        QSize size;
        double scale;  // the zoom its places and size were taken at
        // The working values from which a click continues: after the click for the rows a
        // click ends with, before it for a row inside a click (shared by the click's rows).
        std::shared_ptr<const Algorithm> algorithm;
        Stage stage;
        std::set<QString> lit;
        bool endedByError;
        Step::Run end;
        int from;  // the step a click from here continues from: itself, or its click's start
    };
    // Connects a command's click: `handler`, then the click's end.
    void onClick(Name command, std::function<void()> handler);
    void run(Name command);
    void startTable(std::shared_ptr<const Algorithm> algorithm);
    void newCalculation();
    void afterStep(const Step& step);
    // A run-time error stopped the click: it is reported, and the run ends there. A window
    // with a new-calculation command offers it; one without puts back the labels the click
    // did not reach, so that it never shows two runs side by side (but see
    // RunSpec::errorStopsOnlyTheClick).
    void endByError(int error);
    // Gives the commands the stage's states.
    void enter(const QString& stage);
    // What a stage does to the commands: as declared, or as `end` has it.
    std::vector<std::pair<RunSpec::Change::Kind, Name>> stageChanges(const QString& stage) const;
    // The click is over: the window as it stands then is the step's.
    void clickEnded();
    void record(bool clickOver);
    void restoreStep(int step);
    void dropAfter(int step);
    void dropOldest();
    WindowState stateAt(int step) const;
    QWidget* named(const QString& name) const;
    QWidget* named(Name name) const { return named(name.text()); }
    bool isCommand(const QString& name) const;

    Form* form_;
    std::unique_ptr<Algorithm> algorithm_;
    RunSpec spec_;
    TraceModel* model_;
    Stage stage_ = Stage::Ready;
    bool endedByError_ = false;  // a run-time error ended the run (until the new calculation)
    std::uint64_t clickMark_ = 0;  // the captions written before the click under way
    std::set<QString> lit_;  // the lines lit, by name
    std::vector<Record> records_;
    WindowState base_, last_;  // the window at step 0 and at the last step recorded
    int shown_ = 0;
    int clickStart_ = 0;       // the step the click under way started from
    std::vector<TraceRow> waiting_;  // the last row of the click under way, recorded when it is over
    bool pending_ = false;     // a step was shown in the click under way
    Step::Run lastEnd_ = Step::Run::GoesOn;
    std::function<bool()> gate_;
    int messageRow_ = -1;  // while a step's message box shows: its row
};

}  // namespace framework
