#include "tests/runner/scenario.h"

#include "tests/runner/drawn.h"

#include "framework/application.h"
#include "framework/controls.h"
#include "framework/form.h"
#include "framework/host.h"
#include "shell/help_window.h"
#include "shell/main_window.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QElapsedTimer>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextStream>
#include <QTimer>

#include <algorithm>

namespace scenario {

namespace {


QString yesNo(bool b) { return b ? QStringLiteral("yes") : QStringLiteral("no"); }

QString hex(uint v) { return QStringLiteral("0x%1").arg(v, 6, 16, QLatin1Char('0')).toUpper().replace(QLatin1String("0X"), QLatin1String("0x")); }

// Whether a menu item can be chosen: it and every menu above it are enabled.
bool reachable(QAction* action)
{
    if (!action->isEnabled() || !action->isVisible())
        return false;
    for (QObject* o : action->associatedObjects()) {
        if (auto menu = qobject_cast<QMenu*>(o)) {
            QAction* up = menu->menuAction();
            if (up && up != action && (!up->isEnabled() || !up->isVisible()))
                return false;
        }
    }
    return true;
}

// Brings a window to the front and gives it the keyboard, as a click on it would.
void activate(QWidget* window)
{
    if (QApplication::activeWindow() == window)
        return;
    window->activateWindow();
    // The main window counts as active while its help window has the keyboard: wait for the
    // application's own word.
    (void)QTest::qWaitFor([window] { return QApplication::activeWindow() == window; }, 1000);
}

// Clicks the link of the help page that leads to href, as a reader would.
bool followLink(QTextBrowser* browser, const QString& href, QString& error)
{
    for (QTextBlock block = browser->document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.isValid() || fragment.charFormat().anchorHref() != href)
                continue;
            QTextCursor cursor(browser->document());
            cursor.setPosition(fragment.position() + fragment.length() / 2);
            browser->setTextCursor(cursor);
            browser->ensureCursorVisible();
            const QPoint at = browser->cursorRect(cursor).center();
            QTest::mouseClick(browser->viewport(), Qt::LeftButton, Qt::NoModifier, at);
            return true;
        }
    }
    error = QStringLiteral("the page shown has no link to %1").arg(href);
    return false;
}

}  // namespace

QString quoted(const QString& s)
{
    QString r = s;
    r.replace(QLatin1Char('\\'), QLatin1String("\\\\")).replace(QLatin1Char('"'), QLatin1String("\\\""));
    return QLatin1Char('"') + r + QLatin1Char('"');
}

void useClassroomScreen()
{
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (!platform.isEmpty() && platform != "offscreen")
        return;
    // The screen is described in screen.json beside the runner (built and installed with it).
    const QFileInfo self(QStringLiteral("/proc/self/exe"));
    const QString config = QFileInfo(self.symLinkTarget()).absolutePath() + QStringLiteral("/screen.json");
    qputenv("QT_QPA_PLATFORM", QFileInfo::exists(config) ? "offscreen:configfile=" + config.toLocal8Bit() : "offscreen");
}

Runner::Runner(QTextStream& out) : out_(out)
{
    framework::setMessageHook([this](const QString& text, int buttons, const QString& title) {
        messages_.push_back({text, buttons, title});
        // The window as each message box of the action under way shows it: "@1", "@2", ...
        if (framework::Form* form = main_ ? main_->activeProblem() : nullptr)
            snapshots_[QStringLiteral("@%1").arg(++atMessage_)] = {form->objectName(), framework::WindowState::of(*form)};
    });
}

Runner::~Runner()
{
    framework::setMessageHook({});
    if (main_ && !main_->ended())
        main_->close();
    main_.reset();
}

bool Runner::split(const QString& line, QStringList& words, QString& error)
{
    words.clear();
    int i = 0;
    const int n = line.size();
    while (i < n) {
        while (i < n && (line[i] == QLatin1Char(' ') || line[i] == QLatin1Char('\t')))
            ++i;
        if (i >= n)
            break;
        if (line[i] == QLatin1Char('"')) {
            QString word;
            ++i;
            bool closed = false;
            while (i < n) {
                const QChar c = line[i];
                if (c == QLatin1Char('\\') && i + 1 < n) {
                    word += line[i + 1];
                    i += 2;
                } else if (c == QLatin1Char('"')) {
                    closed = true;
                    ++i;
                    break;
                } else {
                    word += c;
                    ++i;
                }
            }
            if (!closed) {
                error = QStringLiteral("a text is not closed");
                return false;
            }
            words << word;
        } else {
            const int start = i;
            while (i < n && line[i] != QLatin1Char(' ') && line[i] != QLatin1Char('\t'))
                ++i;
            words << line.mid(start, i - start);
        }
    }
    return true;
}

void Runner::ensureStarted()
{
    if (started_)
        return;
    started_ = true;
    main_ = std::make_unique<shell::Zarpa01>();
    // Ticks come only from the scenario's own "tick" lines, so that a run is repeatable.
    main_->timer()->blockSignals(true);
    main_->show();
    main_->activateWindow();
    (void)QTest::qWaitForWindowActive(main_.get(), 2000);
    settle();
}

void Runner::settle()
{
    // As the event loop does between events: what is posted is delivered, and a window closed
    // with WA_DeleteOnClose is deleted, so that what a scenario measures is the real program.
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

void Runner::pass(int number, const QString& line)
{
    ++passed_;
    out_ << "ok " << number << ": " << line << Qt::endl;
}

void Runner::fail(int number, const QString& line, const QString& why)
{
    ++failed_;
    out_ << "FAIL " << number << ": " << line << ": " << why << Qt::endl;
}

void Runner::verdict(int number, const QString& line, bool ok, const QString& expected, const QString& got)
{
    if (ok)
        pass(number, line);
    else
        fail(number, line, QStringLiteral("expected %1, got %2").arg(expected, got));
}

QWidget* Runner::findForm(const QString& name) const
{
    if (!main_)
        return nullptr;
    if (name == QLatin1String("Zarpa01"))
        return main_.get();
    return main_->form(name);
}

QWidget* Runner::findControl(const QString& path, QString& error) const
{
    const int dot = path.indexOf(QLatin1Char('.'));
    if (dot <= 0) {
        error = QStringLiteral("'%1' is not FORM.CONTROL").arg(path);
        return nullptr;
    }
    const QString formName = path.left(dot);
    const QString name = path.mid(dot + 1);
    if (formName == QLatin1String("Zarpa01")) {
        if (name == QLatin1String("StatusBar"))
            return main_->statusBarControl();
        error = QStringLiteral("no control %1 in Zarpa01").arg(name);
        return nullptr;
    }
    auto form = qobject_cast<framework::Form*>(findForm(formName));
    if (!form) {
        error = QStringLiteral("no form %1").arg(formName);
        return nullptr;
    }
    QWidget* control = form->control(name);
    if (!control)
        error = QStringLiteral("no control %1 in %2").arg(name, formName);
    return control;
}

int Runner::run(const QStringList& lines)
{
    for (int i = 0; i < lines.size(); ++i)
        step(i + 1, lines[i]);
    finish();
    return failed_;
}

void Runner::finish()
{
    // A benchmark aid: MATRAVEL_FOOTPRINT=1 prints how much each open window's desk check holds.
    if (main_ && qEnvironmentVariableIsSet("MATRAVEL_FOOTPRINT"))
        for (const auto* form : main_->workspace()->findChildren<framework::Form*>())
            if (form->run() && form->run()->steps() > 0)
                out_ << "desk check of " << form->objectName() << ": " << form->run()->steps() << " steps, "
                     << form->run()->footprint() / 1024 << " KiB" << Qt::endl;
    out_ << passed_ << " passed, " << failed_ << " failed" << Qt::endl;
}

void Runner::step(int number, const QString& text)
{
    QString line = text;
    if (line.endsWith(QLatin1Char('\r')))
        line.chop(1);
    const QString trimmed = line.trimmed();
    if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char('#')))
        return;
    QStringList words;
    QString error;
    if (!split(trimmed, words, error))
        return fail(number, trimmed, error);
    if (words.isEmpty())
        return;
    if (words[0] == QLatin1String("locale")) {
        if (!first_ || words.size() != 2)
            fail(number, trimmed, QStringLiteral("locale NAME comes only as the first command"));
        else
            framework::useLocale(words[1]);
        first_ = false;
        return;
    }
    if (first_)
        framework::useLocale(QStringLiteral("C"));
    first_ = false;
    ensureStarted();
    if (words[0] == QLatin1String("click") || words[0] == QLatin1String("key") || words[0] == QLatin1String("menu")
        || words[0] == QLatin1String("tick") || words[0] == QLatin1String("play")) {
        // The snapshots taken at message boxes are those of this action.
        for (auto it = snapshots_.begin(); it != snapshots_.end();)
            it = it->first.startsWith(QLatin1Char('@')) ? snapshots_.erase(it) : std::next(it);
        atMessage_ = 0;
    }
    QElapsedTimer clock;
    clock.start();
    execute(number, trimmed, words);
    settle();
    // A benchmark aid: MATRAVEL_SLOW_MS=N names every command that took longer than N ms.
    static const int slowMs = qEnvironmentVariableIntValue("MATRAVEL_SLOW_MS");
    if (slowMs > 0 && clock.elapsed() > slowMs)
        out_ << "slow " << number << ": " << trimmed << ": " << clock.elapsed() << " ms" << Qt::endl;
}

void Runner::execute(int number, const QString& line, const QStringList& w)
{
    const QString& cmd = w[0];
    auto usage = [&](const char* form) { fail(number, line, QStringLiteral("usage: %1").arg(QLatin1String(form))); };

    if (main_->ended() && cmd != QLatin1String("expect")) {
        fail(number, line, QStringLiteral("the program has ended"));
        return;
    }

    if (cmd == QLatin1String("menu")) {
        if (w.size() != 2)
            return usage("menu ITEM");
        QAction* action = main_->menuItem(w[1]);
        if (!action)
            return fail(number, line, QStringLiteral("no menu item %1").arg(w[1]));
        activate(main_.get());
        if (reachable(action))
            action->trigger();
        return;
    }
    if (cmd == QLatin1String("key")) {
        if (w.size() != 2)
            return usage("key SEQ");
        const QKeySequence seq(w[1]);
        if (seq.isEmpty())
            return fail(number, line, QStringLiteral("unknown key %1").arg(w[1]));
        const QKeyCombination combo = seq[0];
        activate(main_.get());
        QWidget* target = QApplication::focusWidget();
        if (!target || target->window() != main_.get())
            target = main_.get();
        QTest::keyClick(target, combo.key(), combo.keyboardModifiers());
        // A button's access key clicks it a moment later, once its pressed face was shown.
        (void)QTest::qWaitFor([this] {
            const auto buttons = main_->findChildren<QPushButton*>();
            return std::none_of(buttons.begin(), buttons.end(), [](QPushButton* b) { return b->isDown(); });
        }, 1000);
        return;
    }
    if (cmd == QLatin1String("type")) {
        if (w.size() != 3)
            return usage("type FORM.CONTROL \"text\"");
        QString error;
        QWidget* control = findControl(w[1], error);
        if (!control)
            return fail(number, line, error);
        auto box = qobject_cast<QLineEdit*>(control);
        if (!box)
            return fail(number, line, QStringLiteral("%1 is not a text box").arg(w[1]));
        if (!box->isEnabled() || !box->isVisible())
            return;
        box->setFocus(Qt::OtherFocusReason);
        box->selectAll();
        if (w[2].isEmpty()) {
            QTest::keyClick(box, Qt::Key_Delete);
            return;
        }
        const QString text = w[2];
        if (text.size() > 64) {
            // A long text goes in as a paste does: at once, over the selection.
            box->insert(text);
            return;
        }
        // Each character as a key event that carries its text, so any letter can be typed.
        for (int i = 0; i < text.size(); ++i) {
            int len = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
            const QString ch = text.mid(i, len);
            i += len - 1;
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, ch);
            QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, ch);
            QApplication::sendEvent(box, &press);
            QApplication::sendEvent(box, &release);
        }
        return;
    }
    if (cmd == QLatin1String("click")) {
        if (w.size() != 2)
            return usage("click FORM.CONTROL");
        QString error;
        QWidget* control = findControl(w[1], error);
        if (!control)
            return fail(number, line, error);
        auto button = qobject_cast<QPushButton*>(control);
        if (!button)
            return fail(number, line, QStringLiteral("%1 is not a command button").arg(w[1]));
        if (!button->isEnabled() || !button->isVisible())
            return;
        button->setFocus(Qt::MouseFocusReason);
        button->click();
        return;
    }
    if (cmd == QLatin1String("close")) {
        if (w.size() != 2)
            return usage("close FORM");
        QMdiSubWindow* window = main_->subWindow(w[1]);
        if (!window)
            return fail(number, line, QStringLiteral("no form %1").arg(w[1]));
        window->close();
        return;
    }
    if (cmd == QLatin1String("tick")) {
        if (main_->timer()->isActive())
            main_->Temporizador();
        if (main_->playTimer()->isActive())
            main_->playStep();
        return;
    }
    if (cmd == QLatin1String("screenshot")) {
        // Not a check: saves a picture of the main window, to look at the layout.
        // Where MATRAVEL_SCREENSHOTS names a folder (the test suite names one in its build
        // tree), the picture goes there under the file's own name.
        if (w.size() != 2)
            return usage("screenshot FILE.png");
        const QString folder = qEnvironmentVariable("MATRAVEL_SCREENSHOTS");
        if (!folder.isEmpty())
            QDir().mkpath(folder);
        const QString file = folder.isEmpty() ? w[1] : folder + QLatin1Char('/') + QFileInfo(w[1]).fileName();
        if (!main_->grab().save(file))
            return fail(number, line, QStringLiteral("cannot write %1").arg(file));
        return;
    }
    if (cmd == QLatin1String("help") || (cmd == QLatin1String("expect") && w.size() >= 2 && w[1] == QLatin1String("help")))
        return helpCommand(number, line, w);
    if (deskCheckCommand(number, line, w))
        return;
    if (cmd != QLatin1String("expect"))
        return fail(number, line, QStringLiteral("unknown command %1").arg(cmd));

    // Checks.
    if (w.size() < 2)
        return usage("expect ...");
    auto check = [&](bool ok, const QString& expected, const QString& got) { verdict(number, line, ok, expected, got); };
    const QString& what = w[1];
    if (what == QLatin1String("status")) {
        if (w.size() == 3 && w[2] == QLatin1String("fits")) {
            const QStringList problems =
                statusFitProblems(main_->statusBarControl()->findChild<QLabel*>(), main_.get());
            return check(problems.isEmpty(), QStringLiteral("the statement whole"), problems.join(QStringLiteral("; ")));
        }
        if (w.size() != 4)
            return usage("expect status text \"t\" | expect status visible yes|no");
        if (w[2] == QLatin1String("text"))
            return check(main_->statusText() == w[3], quoted(w[3]), quoted(main_->statusText()));
        if (w[2] == QLatin1String("visible")) {
            const QString got = yesNo(!main_->statusBarControl()->isHidden());
            return check(got == w[3], w[3], got);
        }
        return usage("expect status text|visible ...");
    }
    if (what == QLatin1String("menu")) {
        if (w.size() != 5 || w[3] != QLatin1String("enabled"))
            return usage("expect menu ITEM enabled yes|no");
        QAction* action = main_->menuItem(w[2]);
        if (!action)
            return fail(number, line, QStringLiteral("no menu item %1").arg(w[2]));
        const QString got = yesNo(action->isEnabled());
        return check(got == w[4], w[4], got);
    }
    if (what == QLatin1String("message")) {
        if (w.size() != 7 || w[3] != QLatin1String("buttons") || w[5] != QLatin1String("title"))
            return usage("expect message \"t\" buttons N title \"t\"");
        if (messages_.empty())
            return fail(number, line, QStringLiteral("expected a message box, got none"));
        const Message m = messages_.front();
        messages_.pop_front();
        const QString expected = QStringLiteral("%1 buttons %2 title %3").arg(quoted(w[2]), w[4], quoted(w[6]));
        const QString got = QStringLiteral("%1 buttons %2 title %3").arg(quoted(m.text)).arg(m.buttons).arg(quoted(m.title));
        return check(expected == got, expected, got);
    }
    if (what == QLatin1String("no-message")) {
        QString got;
        for (const Message& m : messages_)
            got += quoted(m.text) + QLatin1Char(' ');
        const bool none = messages_.empty();
        messages_.clear();
        return check(none, QStringLiteral("no message box"), got.trimmed());
    }
    if (what == QLatin1String("ended")) {
        if (w.size() != 3)
            return usage("expect ended yes|no");
        const QString got = yesNo(main_->ended());
        return check(got == w[2], w[2], got);
    }
    if (w.size() == 3 && w[2] == QLatin1String("fits") && !what.contains(QLatin1Char('.'))) {
        QWidget* form = findForm(what);
        if (!form || form == main_.get())
            return fail(number, line, QStringLiteral("no form %1").arg(what));
        const QStringList problems = fitProblems(form, main_->workspace()->viewport());
        return check(problems.isEmpty(), QStringLiteral("every text whole"), problems.join(QStringLiteral("; ")));
    }
    if (w.size() == 4 && w[2] == QLatin1String("contrast") && !what.contains(QLatin1Char('.'))) {
        QWidget* form = findForm(what);
        if (!form || form == main_.get())
            return fail(number, line, QStringLiteral("no form %1").arg(what));
        bool ok = false;
        const double least = w[3].toDouble(&ok);
        if (!ok || least < 1)
            return usage("expect FORM contrast RATIO");
        const QStringList problems = contrastProblems(form, least);
        return check(problems.isEmpty(), QStringLiteral("every text at least %1 : 1").arg(w[3]), problems.join(QStringLiteral("; ")));
    }
    if (what == QLatin1String("Zarpa01") && w.size() == 5 && w[2] == QLatin1String("client-size")) {
        const QSize client(main_->width(), main_->height() - main_->menuBar()->height());
        const QString got = QStringLiteral("%1 %2").arg(client.width() * framework::TwipsPerPixel).arg(client.height() * framework::TwipsPerPixel);
        const QString expected = w[3] + QLatin1Char(' ') + w[4];
        return check(got == expected, expected, got);
    }
    if (w.size() >= 4 && !what.contains(QLatin1Char('.'))) {
        // expect FORM state ... / expect FORM focus CONTROL
        if (w[2] == QLatin1String("state") && w.size() == 4) {
            QMdiSubWindow* window = main_->subWindow(what);
            const QString got = !window ? QStringLiteral("absent")
                                        : (window->isVisible() ? QStringLiteral("shown") : QStringLiteral("hidden"));
            return check(got == w[3], w[3], got);
        }
        if (w[2] == QLatin1String("focus") && w.size() == 4) {
            auto form = qobject_cast<framework::Form*>(findForm(what));
            if (!form)
                return fail(number, line, QStringLiteral("no form %1").arg(what));
            QWidget* focus = QApplication::focusWidget();
            if (!focus || !form->isAncestorOf(focus))
                focus = form->focusWidget();
            while (focus && focus != form && !focus->property("matravelControl").toBool())
                focus = focus->parentWidget();
            const QString got = focus && focus != form ? focus->objectName() : QStringLiteral("(nothing)");
            return check(got == w[3], w[3], got);
        }
        return fail(number, line, QStringLiteral("unknown check"));
    }
    if (w.size() < 3)
        return usage("expect FORM.CONTROL ...");
    QString error;
    QWidget* control = findControl(what, error);
    if (!control)
        return fail(number, line, error);
    const QString& prop = w[2];
    if (prop == QLatin1String("text") && w.size() == 4) {
        const QString got = control == main_->statusBarControl() ? main_->statusText() : framework::caption(control);
        return check(got == w[3], quoted(w[3]), quoted(got));
    }
    if (prop == QLatin1String("color") && w.size() == 4) {
        bool ok = false;
        const uint expected = w[3].startsWith(QLatin1String("0x"), Qt::CaseInsensitive) ? w[3].mid(2).toUInt(&ok, 16) : 0;
        if (!ok)
            return usage("expect FORM.CONTROL color 0xBBGGRR");
        const uint got = framework::foreColor(control);
        return check(got == expected, hex(expected), hex(got));
    }
    if (prop == QLatin1String("enabled") && w.size() == 4) {
        const QString got = yesNo(!control->testAttribute(Qt::WA_Disabled));
        return check(got == w[3], w[3], got);
    }
    if (prop == QLatin1String("visible") && w.size() == 4) {
        const QString got = yesNo(!control->isHidden());
        return check(got == w[3], w[3], got);
    }
    if (prop == QLatin1String("top") && w.size() == 4) {
        const QString got = QString::number(double(framework::topTwips(control)), 'g', 9);
        return check(got == w[3], w[3], got);
    }
    if (prop == QLatin1String("fits") && w.size() == 3) {
        const QStringList problems = fitProblems(control->window() == main_.get() ? findForm(what.left(what.indexOf(QLatin1Char('.')))) : control->window(),
                                                 main_->workspace()->viewport(), control);
        return check(problems.isEmpty(), QStringLiteral("its whole text"), problems.join(QStringLiteral("; ")));
    }
    if (prop == QLatin1String("last-row") && w.size() == 5 && w[3] == QLatin1String("shown")) {
        auto list = qobject_cast<QListWidget*>(control);
        if (!list)
            return fail(number, line, QStringLiteral("%1 is not a list box").arg(what));
        const QString got = yesNo(lastRowShown(list));
        return check(got == w[4], w[4], got);
    }
    if (prop == QLatin1String("drawn") && w.size() == 4) {
        const QString got = drawnDisabled(control) ? QStringLiteral("disabled") : QStringLiteral("enabled");
        return check(got == w[3], w[3], got);
    }
    if (prop == QLatin1String("rows")) {
        auto list = qobject_cast<QListWidget*>(control);
        if (!list)
            return fail(number, line, QStringLiteral("%1 is not a list box").arg(what));
        QStringList got;
        for (int i = 0; i < list->count(); ++i)
            got << quoted(list->item(i)->text());
        QStringList expected;
        for (int i = 3; i < w.size(); ++i)
            expected << quoted(w[i]);
        return check(got == expected, expected.join(QLatin1Char(' ')), got.join(QLatin1Char(' ')));
    }
    fail(number, line, QStringLiteral("unknown check %1").arg(prop));
}

// The help window: "help link "#anchor"", "help close" and "expect help ...".
void Runner::helpCommand(int number, const QString& line, const QStringList& w)
{
    shell::HelpWindow* help = main_->helpWindow();
    auto usage = [&](const char* form) { fail(number, line, QStringLiteral("usage: %1").arg(QLatin1String(form))); };
    if (w[0] == QLatin1String("help")) {
        if (w.size() == 2 && w[1] == QLatin1String("close")) {
            if (help)
                help->close();
            return;
        }
        if (w.size() != 3 || w[1] != QLatin1String("link"))
            return usage("help link \"#anchor\" | help close");
        if (!help || !help->isVisible())
            return fail(number, line, QStringLiteral("the help window is not shown"));
        QString error;
        if (!followLink(help->browser(), w[2], error))
            return fail(number, line, error);
        return;
    }

    if (w.size() != 4)
        return usage("expect help state|contains|at|top|active ...");
    auto check = [&](bool ok, const QString& expected, const QString& got) { verdict(number, line, ok, expected, got); };
    const QString& what = w[2];
    if (what == QLatin1String("state")) {
        const QString got = !help ? QStringLiteral("absent")
                                  : (help->isVisible() ? QStringLiteral("shown") : QStringLiteral("hidden"));
        return check(got == w[3], w[3], got);
    }
    if (!help)
        return fail(number, line, QStringLiteral("the help window does not exist"));
    QTextBrowser* browser = help->browser();
    if (what == QLatin1String("contains")) {
        const bool found = browser->toPlainText().contains(w[3]);
        return check(found, QStringLiteral("a page with %1").arg(quoted(w[3])), QStringLiteral("no such text"));
    }
    if (what == QLatin1String("at")) {
        const QString got = browser->source().fragment();
        return check(got == w[3], quoted(w[3]), quoted(got));
    }
    if (what == QLatin1String("top")) {
        const QString got = yesNo(browser->verticalScrollBar()->value() == 0);
        return check(got == w[3], w[3], got);
    }
    if (what == QLatin1String("active")) {
        const QString got = yesNo(QApplication::activeWindow() == help);
        return check(got == w[3], w[3], got);
    }
    usage("expect help state|contains|at|top|active ...");
}

}  // namespace scenario
