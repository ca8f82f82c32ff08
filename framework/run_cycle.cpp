#include "framework/run_cycle.h"

#include "framework/controls.h"
#include "framework/form.h"
#include "framework/host.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <algorithm>

namespace framework {

namespace {
// The text boxes of the window, as a command reads them.
class FormInputs : public Inputs {
public:
    explicit FormInputs(const Form* form) : form_(form) {}
    QString text(Name box) const override
    {
        const QWidget* control = form_->control(box.text());
        if (!control)
            qCritical("%s: no control named %s", qPrintable(form_->objectName()), box.utf8());
        return control ? caption(control) : QString();
    }

private:
    const Form* form_;
};
}  // namespace

RunCycle::RunCycle(Form* form, std::unique_ptr<Algorithm> algorithm, RunSpec how)
    : QObject(form), form_(form), algorithm_(std::move(algorithm)), spec_(std::move(how)),
      model_(new TraceModel(algorithm_->columns(), this))
{
    // Every control the run declares is the window's: checked now, when the window is made.
    std::vector<Name> declared{spec_.calculate, spec_.newCalculation, spec_.focusOnNew};
    for (const auto* names : {&spec_.otherCommands, &spec_.lockedWhileRunning, &spec_.clearedByNew})
        declared.insert(declared.end(), names->begin(), names->end());
    for (const RunSpec::StageCommands& stage : spec_.stages)
        for (const RunSpec::Change& change : stage.changes)
            declared.push_back(change.command);
    for (Name name : declared)
        if (!name.isEmpty())
            form_->control(name);
    onClick(spec_.calculate, [this] { run(spec_.calculate); });
    for (Name command : spec_.otherCommands)
        onClick(command, [this, command] { run(command); });
    if (!spec_.newCalculation.isEmpty())
        onClick(spec_.newCalculation, [this] { newCalculation(); });
    enter(QStringLiteral("ready"));
}

void RunCycle::onClick(Name command, std::function<void()> handler)
{
    if (auto button = qobject_cast<QPushButton*>(named(command)))
        connect(button, &QPushButton::clicked, this, [this, command, handler = std::move(handler)] {
            if (gate_ && command != spec_.newCalculation && gate_())
                return;
            handler();
            clickEnded();
        });
}

std::vector<std::pair<RunSpec::Change::Kind, Name>> RunCycle::stageChanges(const QString& stage) const
{
    using C = RunSpec::Change;
    std::vector<std::pair<C::Kind, Name>> changes;
    const auto declared = std::find_if(spec_.stages.begin(), spec_.stages.end(),
                                       [&](const RunSpec::StageCommands& s) { return stage == QString::fromUtf8(s.name); });
    if (declared != spec_.stages.end()) {
        for (const C& change : declared->changes)
            changes.emplace_back(change.kind, change.command);
        return changes;
    }
    const bool hasNew = !spec_.newCalculation.isEmpty();
    const C::Kind away = spec_.end == RunSpec::End::Hide ? C::Hide : C::Disable;
    if (stage == QLatin1String("ready")) {
        if (hasNew)
            changes.emplace_back(away, spec_.newCalculation);
        changes.emplace_back(C::Enable, spec_.calculate);
        changes.emplace_back(C::Show, spec_.calculate);
    } else if ((stage == QLatin1String("done") && spec_.end != RunSpec::End::Stay) || stage == QLatin1String("stopped")) {
        // The calculate command taken away and the new calculation offered; at the answer,
        // where the run says so, the new calculation first.
        const bool offerFirst = spec_.offerNewFirst && stage == QLatin1String("done");
        if (hasNew && offerFirst)
            changes.emplace_back(C::Enable, spec_.newCalculation);
        changes.emplace_back(away, spec_.calculate);
        if (hasNew && !offerFirst)
            changes.emplace_back(C::Enable, spec_.newCalculation);
        if (hasNew)
            changes.emplace_back(C::Show, spec_.newCalculation);
    } else if (stage != QLatin1String("done")) {
        // A stage the run does not declare is a fault of the program: said in every build.
        qCritical("%s: the run declares no stage %s", qPrintable(form_->objectName()), qPrintable(stage));
    }
    return changes;
}

void RunCycle::enter(const QString& stage)
{
    for (const auto& [kind, name] : stageChanges(stage)) {
        QWidget* command = named(name);
        if (!command)
            continue;
        switch (kind) {
        case RunSpec::Change::Show: command->show(); break;
        case RunSpec::Change::Hide: command->hide(); break;
        case RunSpec::Change::Enable: command->setEnabled(true); break;
        case RunSpec::Change::Disable: command->setEnabled(false); break;
        }
    }
}

RunCycle::~RunCycle() = default;

bool RunCycle::isCommand(const QString& name) const
{
    const auto is = [&](Name command) { return !command.isEmpty() && name == command.text(); };
    return is(spec_.calculate) || is(spec_.newCalculation)
           || std::any_of(spec_.otherCommands.begin(), spec_.otherCommands.end(), is);
}

QWidget* RunCycle::named(const QString& name) const
{
    // A name no control of the window has is a fault of the program: said, in every build,
    // with the window's name, and the effect that named it left out rather than a crash.
    QWidget* control = form_->control(name);
    if (!control)
        qCritical("%s: no control named %s", qPrintable(form_->objectName()), qPrintable(name));
    return control;
}

namespace {
// Where each row of a click takes the window it shows: the effects shown before it. A row
// said before its work takes what follows, up to the next row or message box.
std::vector<std::size_t> marksOf(const Step& step)
{
    std::vector<std::size_t> marks;
    const std::size_t end = step.effects.size();
    for (std::size_t i = 0; i < step.trace.size(); ++i) {
        const TraceRow& row = step.trace[i];
        std::size_t mark = row.upTo >= 0 ? std::size_t(row.upTo) : end;
        if (row.upTo < 0) {
            if (i + 1 < step.trace.size())
                mark = std::size_t(step.trace[i + 1].opensAt);
            for (std::size_t k = std::size_t(row.opensAt); k < mark; ++k)
                if (step.effects[k].kind == Effect::Message) {
                    mark = k;
                    break;
                }
        }
        marks.push_back(std::clamp(mark, marks.empty() ? std::size_t(0) : marks.back(), end));
    }
    return marks;
}
}  // namespace

void RunCycle::show(const Step& step)
{
    // In a click, each row but the last is a step of its own, recorded as the window stands at
    // its mark; the last row, and those marked at the end, take the window the click leaves.
    const std::vector<std::size_t> marks = pending_ ? marksOf(step) : std::vector<std::size_t>();
    std::size_t next = 0;
    for (std::size_t k = 0; k <= step.effects.size(); ++k) {
        for (; next + 1 < marks.size() && marks[next] == k && k < step.effects.size(); ++next) {
            model_->append(step.trace[next]);
            record(false);
        }
        if (k == step.effects.size())
            break;
        const Effect& e = step.effects[k];
        // Only a rest of every line, the run's start, a message box and a stage name no control.
        QWidget* target = e.control.isEmpty() ? nullptr : named(e.control);
        if (!target && !(e.kind == Effect::Rest && e.control.isEmpty()) && e.kind != Effect::Start
            && e.kind != Effect::Message && e.kind != Effect::Stage)
            continue;
        switch (e.kind) {
        case Effect::Light:
            setForeColor(target, e.color);
            lit_.insert(e.control);
            break;
        case Effect::Rest:
            if (!target) {
                for (const QString& line : lit_)
                    if (QWidget* lit = named(line))
                        restoreForeColor(lit);
                lit_.clear();
            } else {
                restoreForeColor(target);
                lit_.erase(e.control);
            }
            break;
        case Effect::Caption:
            setCaption(target, e.text);
            break;
        case Effect::Row:
            if (auto list = qobject_cast<QListWidget*>(target))
                list->addItem(e.text);
            break;
        case Effect::Clear:
            if (auto list = qobject_cast<QListWidget*>(target))
                list->clear();
            break;
        case Effect::Enable:
        case Effect::Show:
            // The commands go by the stages the run declares, never by name.
            if (isCommand(e.control)) {
                qCritical("%s: a step names the command %s; the run's stages give it its state",
                          qPrintable(form_->objectName()), qPrintable(e.control));
                break;
            }
            if (e.kind == Effect::Enable)
                target->setEnabled(e.on);
            else
                target->setVisible(e.on);
            break;
        case Effect::Focus:
            target->setFocus(Qt::OtherFocusReason);
            break;
        case Effect::Top:
            setTopTwips(target, float(e.number));
            break;
        case Effect::Start:
            for (Name input : spec_.lockedWhileRunning)
                if (QWidget* box = named(input))
                    box->setEnabled(false);
            break;
        case Effect::Message:
            // A box right after a row shows the window as that row left it.
            messageRow_ = next > 0 && marks[next - 1] == k ? steps() - 1 : steps();
            messageBox(e.text, int(e.number), e.title);
            messageRow_ = -1;
            break;
        case Effect::Stage:
            enter(e.text);
            break;
        }
    }
    // The rows marked at the end, short of the last, show the window before the click is
    // over (before a run-time error is reported, and the run's end takes its commands away).
    for (; pending_ && next + 1 < marks.size(); ++next) {
        model_->append(step.trace[next]);
        record(false);
    }
    waiting_.assign(step.trace.begin() + std::ptrdiff_t(next), step.trace.end());
}

void RunCycle::startTable(std::shared_ptr<const Algorithm> algorithm)
{
    // The window before the first step.
    model_->clear();
    records_.clear();
    base_ = last_ = WindowState::of(*form_);
    records_.push_back({{}, base_.size, base_.scale, std::move(algorithm), stage_, lit_, endedByError_,
                        Step::Run::GoesOn, 0});
    shown_ = 0;
}

void RunCycle::run(Name command)
{
    clickMark_ = captionWrites();
    if (shown_ > 0 && shown_ < steps()) {
        // A click after going back continues from the step shown, or, at a row inside a
        // click, does that click again from its start with the inputs as they are typed now.
        const int from = records_[size_t(shown_)].from;
        if (from != shown_) {
            std::vector<std::pair<QWidget*, QString>> typed;
            for (QWidget* control : form_->controls())
                if (qobject_cast<QLineEdit*>(control))
                    typed.emplace_back(control, caption(control));
            restoreStep(from);
            for (const auto& [box, text] : typed)
                if (caption(box) != text)
                    setCaption(box, text);
        }
        dropAfter(from);
    }
    dropOldest();
    std::shared_ptr<const Algorithm> before(algorithm_->clone());
    pending_ = true;
    waiting_.clear();
    Step step;
    try {
        algorithm_->command(command, FormInputs(form_), step);
    } catch (const num::RuntimeError& error) {
        step.run = Step::Run::Error;
        step.error = error.number();
    }
    // A click from the window before the first step starts the table again from the window
    // as it is now (with what has been typed since), and so does a click that starts a new
    // calculation of its own.
    if (records_.empty() || shown_ == 0 || step.fresh)
        startTable(std::move(before));
    clickStart_ = shown_;
    show(step);
    afterStep(step);
    // The rows left are recorded when the click is over (clickEnded), after the report.
    if (step.run == Step::Run::Error)
        endByError(step.error);
}

void RunCycle::endByError(int error)
{
    reportRuntimeError(num::RuntimeError(error));
    if (QWidget* newCalc = spec_.newCalculation.isEmpty() ? nullptr : named(spec_.newCalculation)) {
        enter(QStringLiteral("stopped"));
        newCalc->setFocus(Qt::OtherFocusReason);
        endedByError_ = true;
        return;
    }
    if (!spec_.errorStopsOnlyTheClick)
        form_->restoreCaptionsWrittenBefore(clickMark_);
}

void RunCycle::afterStep(const Step& step)
{
    // Every click is a row of the desk check at least; a run-time error is said in the row of
    // the step it stopped.
    if (waiting_.empty()) {
        const QStringList before = trace().empty() ? QStringList() : trace().back().values;
        waiting_.push_back({before.isEmpty() ? QStringList(algorithm_->columns().size(), QString()) : before, {}});
    }
    if (step.run == Step::Run::Error) {
        QString& said = waiting_.back().said;
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
        enter(QStringLiteral("done"));
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
    enter(QStringLiteral("ready"));
    for (Name input : spec_.lockedWhileRunning)
        named(input)->setEnabled(true);
    Step step;
    step.rest();
    for (Name name : spec_.clearedByNew) {
        if (qobject_cast<QListWidget*>(named(name)))
            step.clearList(name);
        else
            step.caption(name, QString());
    }
    algorithm_->reset(step);
    pending_ = false;
    show(step);
    if (!spec_.focusOnNew.isEmpty())
        named(spec_.focusOnNew)->setFocus(Qt::OtherFocusReason);
    else
        form_->focusFirstBox();
    stage_ = Stage::Ready;
    model_->clear();
    records_.clear();
    waiting_.clear();
    base_ = last_ = WindowState();
    shown_ = 0;
    // After a run-time error the whole panel goes back to rest, whatever the error interrupted.
    if (endedByError_) {
        endedByError_ = false;
        form_->resetPanel();
    }
}

void RunCycle::clickEnded()
{
    if (!pending_)
        return;
    pending_ = false;
    // The window lays itself out for what the click wrote before it is recorded (its lists
    // fit their new rows once the click is over).
    for (QWidget* control : form_->controls())
        if (qobject_cast<QListWidget*>(control))
            QCoreApplication::sendPostedEvents(control, QEvent::MetaCall);
    form_->rearrange();
    for (TraceRow& row : waiting_) {
        model_->append(std::move(row));
        record(true);
    }
    waiting_.clear();
    emit stepped();
}

void RunCycle::record(bool clickOver)
{
    if (!clickOver) {
        // A row inside the click: the window laid out as the screen would show it there.
        for (QWidget* control : form_->controls())
            if (qobject_cast<QListWidget*>(control))
                QCoreApplication::sendPostedEvents(control, QEvent::MetaCall);
        form_->rearrange();
    }
    WindowState now = WindowState::of(*form_, &last_);
    const int at = int(records_.size());
    const Record& start = records_[size_t(clickStart_)];
    Record r{{}, now.size, now.scale, nullptr, start.stage, lit_, start.endedByError, Step::Run::GoesOn, clickStart_};
    if (clickOver) {
        r.algorithm.reset(algorithm_->clone());
        r.stage = stage_;
        r.endedByError = endedByError_;
        r.end = lastEnd_;
        r.from = at;
    }
    for (size_t i = 0; i < now.controls.size(); ++i)
        if (i >= last_.controls.size() || !(now.controls[i] == last_.controls[i]))
            r.changed.emplace_back(int(i), now.controls[i]);
    records_.push_back(std::move(r));
    last_ = std::move(now);
    shown_ = steps();
    model_->setShownRows(shown_);
}

WindowState RunCycle::stateAt(int step) const
{
    WindowState state = base_;
    for (int k = 1; k <= step; ++k) {
        const Record& r = records_[size_t(k)];
        for (const auto& [index, control] : r.changed)
            state.controls[size_t(index)] = control;
        state.size = r.size;
        // Places taken at two zooms do not make one window: it then lays itself out.
        if (r.scale != state.scale && !r.changed.empty())
            state.scale = 0;
    }
    return state;
}

void RunCycle::restoreStep(int step)
{
    // A step taken at this zoom comes back exactly as it was; one taken at another lays
    // itself out from what it shows.
    const bool exact = stateAt(step).restore(*form_);
    const Record& r = records_[size_t(step)];
    const Record& from = records_[size_t(r.from)];
    algorithm_.reset(from.algorithm->clone());
    stage_ = from.stage;
    lit_ = r.lit;
    endedByError_ = from.endedByError;
    shown_ = step;
    model_->setShownRows(step);
    if (!exact)
        form_->rearrange();
}

void RunCycle::dropAfter(int step)
{
    records_.resize(size_t(step) + 1);
    model_->truncate(step);
    last_ = stateAt(step);
}

void RunCycle::dropOldest()
{
    // A run that never ends (a table of f(x) over an endless interval) is bounded: past this
    // many rows its oldest clicks are dropped, and the table says at which step it begins.
    constexpr int kMostSteps = 20000;
    if (steps() < kMostSteps || shown_ < steps())
        return;
    int keep = steps() - kMostSteps / 2;  // the first step kept ends a click
    while (keep > 0 && records_[size_t(keep)].from != keep)
        --keep;
    if (keep <= 0)
        return;
    base_ = stateAt(keep);
    Record first = std::move(records_[size_t(keep)]);
    first.changed.clear();
    records_.erase(records_.begin(), records_.begin() + keep + 1);
    for (Record& r : records_)
        r.from -= keep;
    records_.insert(records_.begin(), std::move(first));
    records_.front().from = 0;
    model_->dropFirst(keep);
    shown_ -= keep;
    clickStart_ = 0;
}

void RunCycle::goTo(int step)
{
    if (records_.empty() || step < 0 || step > steps() || step == shown_)
        return;
    restoreStep(step);
    emit moved();
}

void RunCycle::adopt(RunCycle& other)
{
    algorithm_ = std::move(other.algorithm_);
    stage_ = other.stage_;
    lit_ = std::move(other.lit_);
    model_->adopt(*other.model_);
    records_ = std::move(other.records_);
    base_ = std::move(other.base_);
    last_ = std::move(other.last_);
    lastEnd_ = other.lastEnd_;
    endedByError_ = other.endedByError_;
    // What the old window shows now, at this zoom: the step shown, or what came after it (a
    // new calculation, typed texts). A step taken at this zoom, still shown as it was, comes
    // back exactly as it was taken, so that a zoom there and back changes nothing.
    shown_ = other.shown_;
    const WindowState now = WindowState::of(*other.form_);
    const WindowState step = records_.empty() ? WindowState() : stateAt(shown_);
    if (records_.empty() || !now.sameContent(step) || !step.restore(*form_)) {
        now.restore(*form_);
        form_->rearrange();
    }
    other.records_.clear();
}

QPushButton* RunCycle::nextCommand() const
{
    if (stage_ != Stage::Ready && stage_ != Stage::Running)
        return nullptr;
    std::vector<Name> commands{spec_.calculate};
    commands.insert(commands.end(), spec_.otherCommands.begin(), spec_.otherCommands.end());
    for (Name name : commands)
        if (auto command = qobject_cast<QPushButton*>(named(name)); command && command->isEnabled() && !command->isHidden())
            return command;
    return nullptr;
}

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
    std::set<const Algorithm*> algorithms;
    for (const Record& r : records_) {
        bytes += sizeof(Record) + r.changed.capacity() * sizeof(std::pair<int, ControlState>);
        if (r.algorithm && algorithms.insert(r.algorithm.get()).second)
            bytes += 256;
        for (const auto& [index, control] : r.changed)
            bytes += stateBytes(control) - sizeof(ControlState);
        for (const QString& line : r.lit)
            bytes += textBytes(line);
    }
    for (const TraceRow& row : trace()) {
        bytes += sizeof(TraceRow) + textBytes(row.said);
        for (const QString& v : row.values)
            bytes += textBytes(v);
    }
    return bytes;
}

}  // namespace framework
