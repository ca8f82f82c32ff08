#include "framework/run_cycle.h"

#include "framework/controls.h"
#include "framework/form.h"
#include "framework/host.h"

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

RunCycle::RunCycle(Form* form, std::unique_ptr<Algorithm> algorithm, RunSpec spec)
    : QObject(form), form_(form), algorithm_(std::move(algorithm)), spec_(std::move(spec))
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
            QWidget* line = named(e.control);
            setForeColor(line, e.color);
            lit_.insert(line);
            break;
        }
        case Effect::Rest:
            if (e.control.isEmpty()) {
                for (QWidget* line : lit_)
                    restoreForeColor(line);
                lit_.clear();
            } else {
                QWidget* line = named(e.control);
                restoreForeColor(line);
                lit_.erase(line);
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
    Step step;
    try {
        algorithm_->command(command, FormInputs(form_), step);
    } catch (const num::RuntimeError& error) {
        step.run = Step::Run::Error;
        step.error = error.number();
    }
    show(step);
    afterStep(step);
    // The window's guard reports the error and ends the run there.
    if (step.run == Step::Run::Error)
        throw num::RuntimeError(step.error);
}

void RunCycle::afterStep(const Step& step)
{
    trace_.insert(trace_.end(), step.trace.begin(), step.trace.end());
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
    emit stepped();
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
    emit traceCleared();
}

}  // namespace framework
