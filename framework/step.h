#pragma once
// What an algorithm did in one step (a click of a command, or one pause of a search), as
// data: the panel lines it lit, the captions it wrote, the rows it added, the boxes it showed,
// the rows of the desk check, and how the run stands after it. Algorithms make steps with no
// widget at hand; the window's run cycle shows them.
#include "framework/color_values.h"
#include "framework/name.h"

#include <QString>
#include <QStringList>
#include <algorithm>
#include <vector>

namespace framework {

// Buttons values of a message box.
enum MessageButtons { OkOnly = 0, Exclamation = 48, Information = 64 };

// One thing a step does to the window, in the order it did it. Controls go by name.
struct Effect {
    enum Kind {
        Light,    // a panel line drawn in `color`
        Rest,     // a line back in its resting colour; no control: every line lit so far
        Caption,  // a label's caption, a box's text or a button's caption becomes `text`
        Row,      // a row `text` added to a list
        Clear,    // a list emptied
        Enable,   // a control enabled (`on`) or disabled
        Show,     // a control shown (`on`) or hidden
        Focus,    // the cursor goes to a control
        Top,      // a control's top moves to `number` twips
        Start,    // the run has started: its inputs are taken away until the new calculation
        Message,  // a message box (`text`, buttons `number`, `title`) waits for OK
        Stage,    // the run reaches the stage `text`: its commands as the run declares them
    };
    Kind kind = Light;
    QString control;
    QString text;
    OleColor color = 0;
    bool on = false;
    double number = 0;
    QString title;
};

// One row of the desk check: the working values after the step, in the algorithm's columns,
// and what happened, in one sentence. Each row is a step the student can go back to: the
// window it puts back is the window at `upTo` effects of its click (see Step::say).
struct TraceRow {
    QStringList values;
    QString said;
    static constexpr int Open = -1;
    int opensAt = 0;   // the effects of the click before the row was said
    int upTo = Open;   // Open: up to the next row, the next message box or the click's end
};

struct Step {
    // How the run stands after the step.
    enum class Run {
        GoesOn,   // the next click continues it
        Done,     // the answer is shown
        Refused,  // the inputs were refused; nothing was started
        Error,    // stopped by a run-time error (`error` is its number)
    };
    std::vector<Effect> effects;
    std::vector<TraceRow> trace;
    Run run = Run::GoesOn;
    int error = 0;
    // The click starts a run of its own (a whole new calculation): its desk check is a new
    // table.
    bool fresh = false;

    // The builders the algorithms write with, naming the window's controls by their declared
    // names.
    Step& light(Name line, OleColor color = 0xFF0000) { return add(Effect::Light, line).color = color, *this; }
    Step& light(std::initializer_list<Name> lines, OleColor color = 0xFF0000)
    {
        for (Name line : lines)
            light(line, color);
        return *this;
    }
    Step& rest(Name line = {}) { return add(Effect::Rest, line), *this; }
    // A caption written again before anything shows it (a message box) replaces the earlier one.
    Step& caption(Name control, const QString& text)
    {
        const QString name = control.text();
        forget([&](const Effect& e) { return e.kind == Effect::Caption && e.control == name; });
        return add(Effect::Caption, control).text = text, *this;
    }
    Step& row(Name list, const QString& text) { return add(Effect::Row, list).text = text, *this; }
    // A list emptied drops the rows added to it since anything showed them.
    Step& clearList(Name list)
    {
        const QString name = list.text();
        forget([&](const Effect& e) { return (e.kind == Effect::Row || e.kind == Effect::Clear) && e.control == name; });
        return add(Effect::Clear, list), *this;
    }
    Step& enable(Name control, bool on = true) { return add(Effect::Enable, control).on = on, *this; }
    Step& show(Name control, bool on = true) { return add(Effect::Show, control).on = on, *this; }
    Step& focus(Name control) { return add(Effect::Focus, control), *this; }
    Step& top(Name control, double twips) { return add(Effect::Top, control).number = twips, *this; }
    Step& started() { return add(Effect::Start, {}), *this; }
    // The commands are never shown, hidden, enabled or disabled by name: the algorithm says
    // which stage of the run it has reached, and the run's declaration what that stage offers.
    Step& stage(const char* name) { return add(Effect::Stage, {}).text = QString::fromUtf8(name), *this; }
    Step& message(const QString& text, int buttons, const QString& title)
    {
        Effect& e = add(Effect::Message, {});
        e.text = text;
        e.number = buttons;
        e.title = title;
        shown_ = effects.size();
        return *this;
    }
    // A row of the desk check that opens here: what the click does from now on, up to the next
    // row, the next message box or the end of the click, is what the row shows when the
    // student goes back to it. For a sentence said before its work is done ("Det = ( 2 * 3 )
    // - ( 1 * 1 )" before the product is taken, so that an overflow has its row).
    Step& say(QStringList values, const QString& said) { return addRow(std::move(values), said, TraceRow::Open); }
    // A row for what the click has just done: it shows the window as it stands now.
    Step& sayDone(QStringList values, const QString& said)
    {
        return addRow(std::move(values), said, int(effects.size()));
    }
    Step& anew()
    {
        fresh = true;
        return *this;
    }
    Step& done()
    {
        run = Run::Done;
        return *this;
    }
    Step& refused()
    {
        run = Run::Refused;
        return *this;
    }

private:
    Step& addRow(QStringList values, const QString& said, int upTo)
    {
        trace.push_back({std::move(values), said, int(effects.size()), upTo});
        // The window may be shown as it stands here: what came before is kept.
        shown_ = effects.size();
        return *this;
    }
    // Drops the effects since the last message box or row that match: a long loop in one click then
    // holds only what the window shows at its end.
    template <class Match>
    void forget(Match match)
    {
        effects.erase(std::remove_if(effects.begin() + std::ptrdiff_t(shown_), effects.end(), match), effects.end());
    }
    std::size_t shown_ = 0;  // the effects before this one were shown by a message box

    Effect& add(Effect::Kind kind, Name control)
    {
        Effect& e = effects.emplace_back();
        e.kind = kind;
        e.control = control.text();
        return e;
    }
};

// The texts a command reads: the text boxes of the window.
class Inputs {
public:
    virtual ~Inputs() = default;
    virtual QString text(Name box) const = 0;
};

// An algorithm of a window: its working values (copyable, so a run can be put back to any
// step) and its commands. The same inputs always give the same steps. A command that meets a
// run-time error throws it; what the step did until then stays in `step`.
class Algorithm {
public:
    virtual ~Algorithm() = default;
    virtual Algorithm* clone() const = 0;
    // The desk check's columns, as the pseudo-code panel names the values.
    virtual QStringList columns() const = 0;
    // Runs the command `command` (the button) into `step`.
    virtual void command(Name command, const Inputs& in, Step& step) = 0;
    // Forgets the run: the working values as before its first step. What the new-calculation
    // command does on the window beyond the run cycle's own goes into `step`.
    virtual void reset(Step& step) = 0;
};

// Gives an algorithm its clone: `class Stamps : public AlgorithmOf<Stamps>`.
template <class Derived>
class AlgorithmOf : public Algorithm {
public:
    Algorithm* clone() const override { return new Derived(static_cast<const Derived&>(*this)); }
};

}  // namespace framework
