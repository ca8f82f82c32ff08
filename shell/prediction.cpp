#include "shell/prediction.h"

#include "framework/form.h"
#include "framework/host.h"
#include "framework/run_cycle.h"
#include "framework/trace_model.h"

#include <QLineEdit>

namespace shell {

using framework::RunCycle;
using framework::TraceModel;

Prediction::Prediction(QObject* parent) : QObject(parent) {}

Prediction::~Prediction()
{
    if (hiding_)
        framework::setMessageHold({});
}

RunCycle* Prediction::cycle() const { return form_ ? form_->run() : nullptr; }

TraceModel* Prediction::model() const
{
    const RunCycle* c = cycle();
    return c ? c->model() : nullptr;
}

void Prediction::follow(framework::Form* form)
{
    if (form == form_)
        return;
    if (RunCycle* old = cycle()) {
        old->setClickGate({});
        disconnect(old, nullptr, this, nullptr);
        disconnect(old->model(), nullptr, this, nullptr);
    }
    form_ = form;
    RunCycle* c = cycle();
    if (!c)
        return;
    c->setClickGate([this] { return gate(); });
    connect(c, &RunCycle::stepped, this, &Prediction::afterClick);
    TraceModel* m = c->model();
    // The first row a click makes (a click that starts a table of its own empties it first).
    connect(m, &QAbstractItemModel::rowsInserted, this, [this](const QModelIndex&, int first) {
        if (hiding_)
            firstNew_ = qMin(firstNew_, first);
    });
    connect(m, &QAbstractItemModel::modelReset, this, [this] {
        if (hiding_)
            firstNew_ = 0;
    });
    // With the mode off, every row of a window predicted earlier is seen.
    if (!on_)
        m->seeAll();
}

void Prediction::setOn(bool on)
{
    if (on == on_)
        return;
    on_ = on;
    if (!on_)
        if (TraceModel* m = model())
            m->seeAll();
}

bool Prediction::waiting() const
{
    const TraceModel* m = model();
    return m && m->waiting();
}

int Prediction::waitingRow() const { return waiting() ? model()->seen() : -1; }

bool Prediction::openNextUnseen()
{
    const RunCycle* c = cycle();
    const TraceModel* m = c->model();
    if (c->shownStep() != m->seen() || m->seen() >= c->steps())
        return false;
    open();
    return true;
}

bool Prediction::ask()
{
    RunCycle* c = cycle();
    if (!on_ || !c)
        return false;
    // A row seen already is shown as usual; at the last row seen, the next one waits.
    return c->model()->waiting() || openNextUnseen();
}

bool Prediction::gate()
{
    RunCycle* c = cycle();
    if (!on_ || !c)
        return false;
    TraceModel* m = c->model();
    // A click while a prediction waits does nothing. The same inputs make the same rows: a
    // click at the last row seen asks for the next row not seen; with other inputs typed
    // since, the click works them (from its start).
    if (m->waiting() || (typed() == typedAtClick_ && openNextUnseen()))
        return true;
    // Else the click runs: its rows (and the rows after the step shown that it drops) are
    // made now and seen one at a time.
    typedAtClick_ = typed();
    hiding_ = true;
    firstNew_ = INT_MAX;
    framework::setMessageHold([c, m](const QString& text, int buttons, const QString& title) {
        m->holdMessage({c->messageRow(), text, buttons, title});
    });
    return false;
}

QMap<QString, QString> Prediction::typed() const
{
    QMap<QString, QString> boxes;
    for (const QLineEdit* box : form_->findChildren<QLineEdit*>())
        boxes.insert(box->objectName(), box->text());
    return boxes;
}

void Prediction::afterClick()
{
    if (!hiding_)
        return;
    hiding_ = false;
    framework::setMessageHold({});
    RunCycle* c = cycle();
    TraceModel* m = model();
    if (!c || firstNew_ >= c->steps())
        return;
    m->hideFrom(firstNew_);
    c->goTo(firstNew_);
    open();
}

void Prediction::open()
{
    TraceModel* m = model();
    const int row = m->seen();
    // The values of the row before; the first row of a table starts empty.
    m->openPrediction(row > 0 ? m->rows()[size_t(row) - 1].values : QStringList());
    emit opened();
}

void Prediction::reveal(bool predicted)
{
    RunCycle* c = cycle();
    TraceModel* m = model();
    if (!c || !m->waiting())
        return;
    const int row = m->seen();
    // A step that ends in a refusal or a run-time error shows its message; its prediction is
    // not counted.
    const framework::Step::Run end = c->endOf(row + 1);
    if (predicted)
        m->confirm(end != framework::Step::Run::Refused && end != framework::Step::Run::Error);
    else
        m->skip();
    c->goTo(row + 1);
    for (const TraceModel::HeldMessage& message : m->takeMessages(row))
        framework::messageBox(message.text, message.buttons, message.title);
    emit closed();
}

void Prediction::confirm() { reveal(true); }

void Prediction::skip() { reveal(false); }

void Prediction::withdraw()
{
    if (TraceModel* m = model())
        m->withdraw();
}

}  // namespace shell
