#include "framework/run_cycle.h"

#include "framework/controls.h"
#include "framework/form.h"
#include "framework/host.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace framework {

namespace {
// The text boxes of the window, as a command reads them.
class FormInputs : public Inputs {
public:
    explicit FormInputs(const Form* form) : form_(form) {}
    QString text(const QString& box) const override
    {
        const QWidget* control = form_->control(box);
        return control ? caption(control) : QString();
    }

private:
    const Form* form_;
};
}  // namespace

RunCycle::RunCycle(Form* form, std::unique_ptr<Algorithm> algorithm, RunSpec how)
    : QObject(form), form_(form), algorithm_(std::move(algorithm)), spec_(std::move(how))
{
    QPushButton* calculate = form_->button(spec_.calculate);
    Q_ASSERT(calculate);
    form_->onClick(calculate, [this] { run(spec_.calculate); });
    for (const QString& command : spec_.otherCommands)
        form_->onClick(form_->button(command), [this, command] { run(command); });
    if (QPushButton* newCalc = form_->button(spec_.newCalculation)) {
        form_->onClick(newCalc, [this] { newCalculation(); });
        form_->setNewCalculationCommand(newCalc);
    }
    form_->setCalculateCommand(calculate, spec_.end == RunSpec::End::Hide ? Form::EndOfRun::Hide
                                                                           : Form::EndOfRun::Disable);
}

RunCycle::~RunCycle() = default;

QWidget* RunCycle::named(const QString& name) const
{
    QWidget* control = form_->control(name);
    Q_ASSERT_X(control, "RunCycle", qPrintable(name));
    return control;
}

void RunCycle::show(const Step& step)
{
    for (const Effect& e : step.effects) {
        switch (e.kind) {
        case Effect::Light: {
            setForeColor(named(e.control), e.color);
            lit_.insert(e.control);
            break;
        }
        case Effect::Rest:
            if (e.control.isEmpty()) {
                for (const QString& line : lit_)
                    restoreForeColor(named(line));
                lit_.clear();
            } else {
                restoreForeColor(named(e.control));
                lit_.erase(e.control);
            }
            break;
        case Effect::Caption:
            setCaption(named(e.control), e.text);
            break;
        case Effect::Row:
            qobject_cast<QListWidget*>(named(e.control))->addItem(e.text);
            break;
        case Effect::Clear:
            qobject_cast<QListWidget*>(named(e.control))->clear();
            break;
        case Effect::Enable:
            named(e.control)->setEnabled(e.on);
            break;
        case Effect::Show:
            named(e.control)->setVisible(e.on);
            break;
        case Effect::Focus:
            named(e.control)->setFocus(Qt::OtherFocusReason);
            break;
        case Effect::Top:
            setTopTwips(named(e.control), float(e.number));
            break;
        case Effect::Start:
            for (const QString& input : spec_.lockedWhileRunning)
                named(input)->setEnabled(false);
            break;
        case Effect::Message:
            messageBox(e.text, int(e.number), e.title);
            break;
        }
    }
}

void RunCycle::run(const QString& command)
{
    if (records_.empty()) {
        // The window before the first step.
        base_ = last_ = WindowState::of(*form_);
        records_.push_back({{}, base_.size, std::unique_ptr<Algorithm>(algorithm_->clone()), stage_, lit_,
                            trace_.size(), form_->endedByError_, Step::Run::GoesOn});
        shown_ = 0;
    } else if (shown_ < steps()) {
        // A click after going back: the steps after the one shown are dropped.
        records_.resize(size_t(shown_) + 1);
        trace_.resize(records_.back().traceRows);
        last_ = stateAt(shown_);
    }
    pending_ = true;
    Step step;
    try {
        algorithm_->command(command, FormInputs(form_), step);
    } catch (const num::RuntimeError& error) {
        step.run = Step::Run::Error;
        step.error = error.number();
    }
    show(step);
    afterStep(step);
    // The step is recorded when the click is over (clickEnded), after the guard's report.
    // The window's guard reports the error and ends the run there.
    if (step.run == Step::Run::Error)
        throw num::RuntimeError(step.error);
}

void RunCycle::afterStep(const Step& step)
{
    const QStringList before = trace_.empty() ? QStringList() : trace_.back().values;
    trace_.insert(trace_.end(), step.trace.begin(), step.trace.end());
    // Every step is a row of the desk check at least; a run-time error is said in the row of
    // the step it stopped.
    if (step.trace.empty())
        trace_.push_back({before.isEmpty() ? QStringList(algorithm_->columns().size(), QString()) : before, {}});
    if (step.run == Step::Run::Error) {
        QString& said = trace_.back().said;
        said += (said.isEmpty() ? QString() : QStringLiteral(": ")) + runtimeErrorText(step.error);
    }
    lastEnd_ = step.run;
    switch (step.run) {
    case Step::Run::GoesOn:
        stage_ = Stage::Running;
        break;
    case Step::Run::Done:
        if (spec_.end == RunSpec::End::Stay) {
            stage_ = Stage::Ready;
            break;
        }
        stage_ = Stage::Done;
        if (QWidget* calculate = named(spec_.calculate); spec_.end == RunSpec::End::Hide)
            calculate->hide();
        else
            calculate->setEnabled(false);
        if (QWidget* newCalc = form_->control(spec_.newCalculation)) {
            newCalc->setEnabled(true);
            newCalc->show();
        }
        break;
    case Step::Run::Refused:
        break;
    case Step::Run::Error:
        stage_ = spec_.newCalculation.isEmpty() ? Stage::Ready : Stage::Stopped;
        break;
    }
}

void RunCycle::newCalculation()
{
    QWidget* newCalc = named(spec_.newCalculation);
    if (spec_.end == RunSpec::End::Hide)
        newCalc->hide();
    else
        newCalc->setEnabled(false);
    QWidget* calculate = named(spec_.calculate);
    calculate->setEnabled(true);
    calculate->show();
    for (const QString& input : spec_.lockedWhileRunning)
        named(input)->setEnabled(true);
    Step step;
    step.rest();
    for (const QString& name : spec_.clearedByNew) {
        if (qobject_cast<QListWidget*>(named(name)))
            step.clearList(name);
        else
            step.caption(name, QString());
    }
    algorithm_->reset(step);
    show(step);
    if (!spec_.focusOnNew.isEmpty())
        named(spec_.focusOnNew)->setFocus(Qt::OtherFocusReason);
    else
        form_->focusFirstBox();
    stage_ = Stage::Ready;
    trace_.clear();
    records_.clear();
    base_ = last_ = WindowState();
    shown_ = 0;
    pending_ = false;
    emit traceCleared();
}

void RunCycle::clickEnded()
{
    if (!pending_)
        return;
    pending_ = false;
    // The window lays itself out for what the step wrote before it is recorded: its lists fit
    // their new rows (which they do once the click is over), then the rest follows.
    for (QWidget* control : form_->controls())
        if (qobject_cast<QListWidget*>(control))
            QCoreApplication::sendPostedEvents(control, QEvent::MetaCall);
    form_->rearrange();
    record();
    emit stepped();
}

void RunCycle::record()
{
    WindowState now = WindowState::of(*form_, &last_);
    Record r{{}, now.size, std::unique_ptr<Algorithm>(algorithm_->clone()), stage_, lit_, trace_.size(),
             form_->endedByError_, lastEnd_};
    for (size_t i = 0; i < now.controls.size(); ++i)
        if (i >= last_.controls.size() || !(now.controls[i] == last_.controls[i]))
            r.changed.emplace_back(int(i), now.controls[i]);
    records_.push_back(std::move(r));
    last_ = std::move(now);
    shown_ = steps();
}

WindowState RunCycle::stateAt(int step) const
{
    WindowState state = base_;
    for (int k = 1; k <= step; ++k) {
        for (const auto& [index, control] : records_[size_t(k)].changed)
            state.controls[size_t(index)] = control;
        state.size = records_[size_t(k)].size;
    }
    return state;
}

void RunCycle::goTo(int step)
{
    if (records_.empty() || step < 0 || step > steps() || step == shown_)
        return;
    stateAt(step).restore(*form_);
    const Record& r = records_[size_t(step)];
    algorithm_.reset(r.algorithm->clone());
    stage_ = r.stage;
    lit_ = r.lit;
    form_->endedByError_ = r.endedByError;
    shown_ = step;
    form_->rearrange();
    emit moved();
}

void RunCycle::adopt(RunCycle& other)
{
    algorithm_ = std::move(other.algorithm_);
    stage_ = other.stage_;
    lit_ = std::move(other.lit_);
    trace_ = std::move(other.trace_);
    records_ = std::move(other.records_);
    base_ = std::move(other.base_);
    last_ = std::move(other.last_);
    lastEnd_ = other.lastEnd_;
    form_->endedByError_ = other.form_->endedByError_;
    // What the old window shows now, at this zoom: the step shown, or what came after it (a
    // new calculation, typed texts).
    WindowState::of(*other.form_).restore(*form_);
    shown_ = other.shown_;
    form_->rearrange();
    other.records_.clear();
}

int RunCycle::stepOfRow(int row) const
{
    for (int k = 1; k <= steps(); ++k)
        if (records_[size_t(k)].traceRows > size_t(row))
            return k;
    return steps();
}

int RunCycle::firstRowOf(int step) const
{
    return step <= 0 || records_.empty() ? 0 : int(records_[size_t(step) - 1].traceRows);
}

QPushButton* RunCycle::nextCommand() const
{
    if (stage_ != Stage::Ready && stage_ != Stage::Running)
        return nullptr;
    QStringList commands{spec_.calculate};
    commands += spec_.otherCommands;
    for (const QString& name : commands)
        if (QPushButton* command = form_->button(name); command && command->isEnabled() && !command->isHidden())
            return command;
    return nullptr;
}

int RunCycle::rowsShown() const { return records_.empty() ? 0 : int(records_[size_t(shown_)].traceRows); }

std::size_t RunCycle::footprint() const
{
    // Texts count their characters and their header; list rows are counted once for all the
    // states that share them.
    const auto textBytes = [](const QString& t) { return sizeof(QString) + 24 + std::size_t(t.capacity()) * 2; };
    std::set<const QStringList*> lists;
    std::size_t bytes = 0;
    const auto stateBytes = [&](const ControlState& c) {
        std::size_t b = sizeof(ControlState) + std::size_t(c.text.capacity()) * 2;
        if (c.rows && lists.insert(c.rows.get()).second)
            for (const QString& row : *c.rows)
                b += textBytes(row);
        return b;
    };
    for (const ControlState& c : base_.controls)
        bytes += stateBytes(c);
    for (const Record& r : records_) {
        bytes += sizeof(Record) + r.changed.capacity() * sizeof(std::pair<int, ControlState>) + 256;
        for (const auto& [index, control] : r.changed)
            bytes += stateBytes(control) - sizeof(ControlState);
        for (const QString& line : r.lit)
            bytes += textBytes(line);
    }
    for (const TraceRow& row : trace_) {
        bytes += sizeof(TraceRow) + textBytes(row.said);
        for (const QString& v : row.values)
            bytes += textBytes(v);
    }
    return bytes;
}

}  // namespace framework
