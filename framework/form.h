#pragma once
// One window of the program inside the main window (a problem window or the About window):
// its controls laid out from its table of controls, its tab order, its closing handler, and
// the guard through which its own handlers run (its run cycle takes the commands' clicks).
#include "framework/controls.h"
#include "framework/host.h"
#include "framework/numbers/value.h"
#include "framework/run_cycle.h"

#include <QWidget>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <utility>
#include <vector>

class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace framework {

// The credit line that a problem window writes into the status bar when it closes.
QString creditLine();

// One control of a window's table of controls. A font or colour left out is the kind's own:
// a value label is bold 9.75 pt and red, every other control the form's font in button text.
struct ControlSpec {
    enum Kind { Label, Value, TextBox, Button, List, Frame };
    Kind kind;
    TableName name;
    const char* caption;
    Geometry at;
    FontSpec font = {-1};
    OleColor fore = 0xFFFFFFFF;
    Name in = {};  // the frame or picture box that holds it (the form when empty)
};

// A bracket tying an opening line ("Se", "Enquanto", "Início") to its closing line: a tick
// from the stroke towards each line, `middle` twips below the line's top and stopping 45
// twips before its text, and the vertical stroke between them at `x` (by default 105 twips
// left of the opening line).
struct BracketSpec {
    Name open;
    Name close;
    int x = 0;
    int middle = 120;
};

class Form : public QWidget {
    Q_OBJECT
public:
    // `name` is the form's name (its objectName), `title` the caption of its title bar,
    // the size the client area in twips.
    Form(const QString& name, const QString& title, int widthTwips, int heightTwips);

    // Builders: each control gets its name, caption, twips geometry, font and resting colour
    // (the one a lit line goes back to). `in` is the frame or picture box that holds it (the
    // form when null).
    QLabel* addLabel(const QString& name, const QString& caption, Geometry g,
                     FontSpec font = Default, OleColor fore = ole::ButtonText, QWidget* in = nullptr);
    QLineEdit* addTextBox(const QString& name, const QString& text, Geometry g,
                          FontSpec font = Default, QWidget* in = nullptr);
    QPushButton* addButton(const QString& name, const QString& caption, Geometry g,
                           FontSpec font = Default, QWidget* in = nullptr);
    QListWidget* addListBox(const QString& name, Geometry g, FontSpec font = Default,
                            QWidget* in = nullptr);
    QGroupBox* addFrame(const QString& name, const QString& caption, Geometry g,
                        FontSpec font = Default, OleColor fore = ole::ButtonText, QWidget* in = nullptr);
    QWidget* addPictureBox(const QString& name, Geometry g, OleColor back = ole::ButtonFace,
                           QWidget* in = nullptr);
    LineControl* addLine(const QString& name, int x1, int y1, int x2, int y2, int width = 1,
                         OleColor color = ole::Black, QWidget* in = nullptr);
    ShapeControl* addShape(const QString& name, ShapeControl::Kind kind, Geometry g, OleColor fill,
                           OleColor border, int borderWidth = 1, QWidget* in = nullptr);
    PaintedControl* addPainted(const QString& name, Geometry g, PaintedControl::Painter painter,
                               QWidget* in = nullptr);

    // A whole table of controls (UTF-8 names and captions), made in its order.
    void addControls(std::initializer_list<ControlSpec> controls);
    // Brackets made from the lines they join, each drawn as three line controls named
    // Line<first>, Line<first + 1>, ...: the opening tick, the stroke and the closing tick.
    void addBrackets(int first, std::initializer_list<BracketSpec> brackets);

    // The window's algorithm and how its run goes: the run cycle takes the commands' clicks.
    RunCycle* setRun(std::unique_ptr<Algorithm> algorithm, RunSpec how);
    RunCycle* run() const { return run_; }

    // A value label: empty, sizing itself to its text.
    QLabel* addValueLabel(const QString& name, int left, int top, FontSpec font = PanelBold,
                          OleColor fore = ole::Red, QWidget* in = nullptr);

    // Controls by name. A name the window has no control of that kind for throws
    // UnknownControl, naming the window and the control.
    QLabel* label(Name name) const;
    QLineEdit* textBox(Name name) const;
    QPushButton* button(Name name) const;
    QListWidget* listBox(Name name) const;
    QWidget* control(Name name) const;

    // A bracket tying an opening line ("Se", "Enquanto", "Início") to its closing line: a
    // vertical stroke at `x` and a short tick towards each line, drawn as the line controls
    // Line<first>, Line<first + 1> and Line<first + 2>. The ticks stand `middle` twips below
    // the lines' tops and stop just before their left edges.
    void addBracket(int first, int x, int openLeft, int openTop, int closeLeft, int closeTop, int middle = 120);


    // The window holds what it shows (the controls it holds directly, and a margin): it grows
    // when its lines are wider in the face installed here than its own size allows or a value
    // has grown, goes back to its own size when all fits there, and is never larger than the
    // screen.
    void growToFit();

    // What a screen reader says for a control, and the label that introduces it.
    static void describe(QWidget* control, const QString& accessibleName, QLabel* buddy = nullptr);

    // The keyboard order of the controls that take the focus; the first one gets the focus
    // when the window is shown for the first time.
    void setTabOrder(std::initializer_list<QWidget*> order);
    QWidget* firstInTabOrder() const { return tabOrder_.empty() ? nullptr : tabOrder_.front(); }

    // Runs a handler of this window that is not a command of its run (the run cycle reports
    // its own errors). A run-time error stops the handler where it arose (what it wrote
    // stays), is reported in a message box, and the window goes on.
    template <class F>
    void guarded(F&& handler)
    {
        try {
            std::forward<F>(handler)();
        } catch (const num::RuntimeError& error) {
            reportRuntimeError(error);
        }
    }

    // Connects a button's click to a handler of this window, through the guard.
    template <class F>
    void onClick(QPushButton* button, F handler)
    {
        connectClick(button, [this, handler]() mutable { guarded(handler); });
    }

    // A control of this window by its name as a text (null when there is none), for the
    // tools that read names from files.
    QWidget* control(const QString& name) const;

    // Named controls of this window, in the order they were made.
    const std::vector<QWidget*>& controls() const { return controls_; }

    // The zoom the window was made at (its places and sizes hold at that one).
    double madeAt() const { return madeAt_; }
    // The width the window was made with, in twips.
    int ownWidth() const { return widthTwips_; }

protected:
    // Lays the window out again from the sizes its texts and lists have now. It runs whenever
    // one of the controls given to arrangeOnResize changes size or is shown or hidden (a value
    // written, a row added, a frame shown), and never inside itself.
    virtual void arrange() {}
    void arrangeOnResize(std::initializer_list<QWidget*> watched);

public:
    void rearrange();
    // While held, nothing lays the window out (a state put back control by control would be
    // laid out again half way); returns whether it was held before.
    bool holdArrangement(bool hold)
    {
        const bool was = arranging_;
        arranging_ = hold;
        return was;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

    // The closing handler; for problem windows it writes the credit line.
    virtual void unload();

public:
    // Every panel line at rest, every value label and list empty, the cursor in the first
    // input box.
    void resetPanel();
    // Puts back every label last written before the mark (a count of captionWrites()): a value
    // label empty, a line the caption it was made with.
    void restoreCaptionsWrittenBefore(std::uint64_t mark);
    // The cursor in the first input box of the tab order that takes it.
    void focusFirstBox();

protected:

    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void connectClick(QPushButton* button, std::function<void()> slot);
    template <class W>
    W* adopt(W* widget, const QString& name, const Geometry& g, const FontSpec& font);

    std::vector<QWidget*> controls_;
    std::vector<QWidget*> tabOrder_;
    RunCycle* run_ = nullptr;
    bool arranging_ = false;
    int widthTwips_, heightTwips_;
    double madeAt_ = scale();
    bool shownBefore_ = false;
};

// Whether the program is ending through its own command: no closing handler runs then.
void setEnding(bool ending);
bool isEnding();

}  // namespace framework
