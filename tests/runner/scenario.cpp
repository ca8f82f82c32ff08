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
#include <QFile>
#include <QRegularExpression>
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
    const Line l{number, trimmed, words};
    if (words[0] == QLatin1String("locale"))
        return locale(l);
    if (first_)
        framework::useLocale(QStringLiteral("C"));
    first_ = false;
    ensureStarted();
    if (words[0] == QLatin1String("click") || words[0] == QLatin1String("key") || words[0] == QLatin1String("menu")
        || words[0] == QLatin1String("tick") || words[0] == QLatin1String("play") || words[0] == QLatin1String("predict")) {
        // The snapshots taken at message boxes are those of this action.
        for (auto it = snapshots_.begin(); it != snapshots_.end();)
            it = it->first.startsWith(QLatin1Char('@')) ? snapshots_.erase(it) : std::next(it);
        atMessage_ = 0;
    }
    QElapsedTimer clock;
    clock.start();
    execute(l);
    settle();
    // A benchmark aid: MATRAVEL_SLOW_MS=N names every command that took longer than N ms.
    static const int slowMs = qEnvironmentVariableIntValue("MATRAVEL_SLOW_MS");
    if (slowMs > 0 && clock.elapsed() > slowMs)
        out_ << "slow " << number << ": " << trimmed << ": " << clock.elapsed() << " ms" << Qt::endl;
}

const std::vector<Runner::Command>& Runner::actions()
{
    static const std::vector<Command> table{
        {"locale", "locale C|pt_BR", &Runner::locale},
        {"menu", "menu ITEM", &Runner::menu},
        {"key", "key SEQ", &Runner::key},
        {"type", "type FORM.CONTROL \"t\"", &Runner::type},
        {"click", "click FORM.CONTROL", &Runner::click},
        {"close", "close FORM", &Runner::close},
        {"tick", "tick", &Runner::tick},
        {"screenshot", "screenshot FILE.png", &Runner::screenshot},
        {"help", "help link \"#anchor\" | help close", &Runner::help},
        {"trace", "trace go K", &Runner::trace},
        {"snapshot", "snapshot NAME", &Runner::snapshot},
        {"zoom", "zoom PERCENT", &Runner::zoom},
        {"play", "play", &Runner::play},
        {"stop", "stop", &Runner::play},
        {"export", "export \"FILE.csv\" | export \"FILE.pdf\" | export \"FILE\" fails", &Runner::exportDeskCheck},
        {"limit", "limit filesize BYTES", &Runner::limit},
        {"dialog", "dialog filter \"TEXT\" | dialog name \"F\" | dialog accept | dialog cancel", &Runner::dialog},
        {"predict", "predict \"v1\" ... | predict skip", &Runner::predict},
        {"expect", "expect ...", &Runner::expect},
    };
    return table;
}

const std::vector<Runner::Command>& Runner::namedChecks()
{
    static const std::vector<Command> table{
        {"status", "expect status text \"t\" | expect status visible yes|no | expect status fits", &Runner::expectStatus},
        {"menu", "expect menu ITEM enabled yes|no", &Runner::expectMenu},
        {"message", "expect message \"t\" buttons N title \"t\"", &Runner::expectMessage},
        {"no-message", "expect no-message", &Runner::expectNoMessage},
        {"ended", "expect ended yes|no", &Runner::expectEnded},
        {"help", "expect help state absent|hidden|shown | expect help contains \"t\" | expect help at \"anchor\" | "
                 "expect help top yes|no | expect help active yes|no", &Runner::expectHelp},
        {"trace", "expect trace columns \"t\" ... | expect trace rows N | expect trace row K \"t\" ... | "
                  "expect trace row K says \"t\" | expect trace selected K | expect trace fits | "
                  "expect trace shown K yes|no | expect trace agrees | expect trace row K predicted \"v1\" ... | "
                  "expect trace row K marked right|wrong ...", &Runner::expectTrace},
        {"prediction", "expect prediction open yes|no | expect prediction score R T", &Runner::expectPrediction},
        {"plot", "expect plot shown yes|no | expect plot points N | expect plot point K \"x\" \"y\" | "
                 "expect plot marked K | expect plot fits", &Runner::expectPlot},
        {"export", "expect export \"FILE.csv\" matches trace | expect export \"FILE\" contains \"t\"", &Runner::expectExport},
        {"file", "expect file \"F\" kind csv|pdf", &Runner::expectFile},
        {"dialog", "expect dialog button \"T\"", &Runner::expectDialog},
    };
    return table;
}

const std::vector<Runner::Command>& Runner::formChecks()
{
    static const std::vector<Command> table{
        {"fits", "expect FORM fits", &Runner::expectFormFits},
        {"contrast", "expect FORM contrast R", &Runner::expectContrast},
        {"client-size", "expect Zarpa01 client-size W H", &Runner::expectClientSize},
        {"state", "expect FORM state absent|hidden|shown", &Runner::expectState},
        {"focus", "expect FORM focus CONTROL", &Runner::expectFocus},
        {"matches", "expect FORM matches NAME", &Runner::expectMatches},
    };
    return table;
}

const std::vector<Runner::Command>& Runner::controlChecks()
{
    static const std::vector<Command> table{
        {"text", "expect FORM.CONTROL text \"t\"", &Runner::expectText},
        {"color", "expect FORM.CONTROL color 0xBBGGRR", &Runner::expectColor},
        {"enabled", "expect FORM.CONTROL enabled yes|no", &Runner::expectEnabled},
        {"visible", "expect FORM.CONTROL visible yes|no", &Runner::expectVisible},
        {"top", "expect FORM.CONTROL top N", &Runner::expectTop},
        {"fits", "expect FORM.CONTROL fits", &Runner::expectFits},
        {"last-row", "expect FORM.CONTROL last-row shown yes|no", &Runner::expectLastRow},
        {"drawn", "expect FORM.CONTROL drawn enabled|disabled", &Runner::expectDrawn},
        {"rows", "expect FORM.CONTROL rows \"a\" \"b\" ...", &Runner::expectRows},
    };
    return table;
}

QStringList Runner::usages()
{
    QStringList forms;
    for (const auto* table : {&actions(), &namedChecks(), &formChecks(), &controlChecks()})
        for (const Command& c : *table)
            if (c.run != &Runner::expect)
                forms += QString::fromUtf8(c.usage).split(QStringLiteral(" | "));
    return forms;
}

int checkReadme(const QString& readme, QTextStream& out)
{
    QFile file(readme);
    if (!file.open(QIODevice::ReadOnly)) {
        out << "cannot read " << readme << Qt::endl;
        return 1;
    }
    const QString text = QString::fromUtf8(file.readAll());
    // The language is listed in the section "Scenarios", up to the next section.
    const qsizetype from = text.indexOf(QStringLiteral("\n## Scenarios\n"));
    const QString section = from < 0 ? QString() : text.mid(from, text.indexOf(QStringLiteral("\n## "), from + 1) - from);
    // A list item may break its usage over two lines.
    const QString flat = QString(section).replace(QLatin1Char('\n'), QLatin1Char(' ')).simplified();
    int amiss = 0;
    QStringList words;
    for (const QString& form : Runner::usages()) {
        words << form.section(QLatin1Char(' '), 0, 0);
        if (!flat.contains(QLatin1Char('`') + form + QLatin1Char('`'))) {
            out << "the README does not list `" << form << "`" << Qt::endl;
            ++amiss;
        }
    }
    static const QRegularExpression item(QStringLiteral("^- `([a-z-]+)"), QRegularExpression::MultilineOption);
    for (auto it = item.globalMatch(section); it.hasNext();) {
        const QString word = it.next().captured(1);
        if (!words.contains(word)) {
            out << "the README lists a command `" << word << "` the runner does not have" << Qt::endl;
            ++amiss;
        }
    }
    return amiss;
}

bool Runner::dispatch(const std::vector<Command>& table, const QString& word, const Line& l)
{
    const auto it = std::find_if(table.begin(), table.end(), [&](const Command& c) { return word == QLatin1String(c.word); });
    if (it == table.end())
        return false;
    usage_ = it->usage;
    (this->*(it->run))(l);
    return true;
}

void Runner::usage(const Line& l) { fail(l, QStringLiteral("usage: %1").arg(QString::fromUtf8(usage_))); }

void Runner::execute(const Line& l)
{
    if (main_->ended() && l.w[0] != QLatin1String("expect"))
        return fail(l, QStringLiteral("the program has ended"));
    if (!dispatch(actions(), l.w[0], l))
        fail(l, QStringLiteral("unknown command %1").arg(l.w[0]));
}

void Runner::locale(const Line& l)
{
    if (!first_ || l.w.size() != 2)
        fail(l, QStringLiteral("locale NAME comes only as the first command"));
    else
        framework::useLocale(l.w[1]);
    first_ = false;
}

void Runner::menu(const Line& l)
{
    if (l.w.size() != 2)
        return usage(l);
    QAction* action = main_->menuItem(l.w[1]);
    if (!action)
        return fail(l, QStringLiteral("no menu item %1").arg(l.w[1]));
    activate(main_.get());
    if (reachable(action))
        action->trigger();
}

void Runner::key(const Line& l)
{
    if (l.w.size() != 2)
        return usage(l);
    const QKeySequence seq(l.w[1]);
    if (seq.isEmpty())
        return fail(l, QStringLiteral("unknown key %1").arg(l.w[1]));
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
}

void Runner::type(const Line& l)
{
    if (l.w.size() != 3)
        return usage(l);
    QWidget* control = controlOf(l);
    if (!control)
        return;
    auto box = qobject_cast<QLineEdit*>(control);
    if (!box)
        return fail(l, QStringLiteral("%1 is not a text box").arg(l.w[1]));
    if (!box->isEnabled() || !box->isVisible())
        return;
    box->setFocus(Qt::OtherFocusReason);
    box->selectAll();
    const QString& text = l.w[2];
    if (text.isEmpty()) {
        QTest::keyClick(box, Qt::Key_Delete);
        return;
    }
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
}

void Runner::click(const Line& l)
{
    if (l.w.size() != 2)
        return usage(l);
    QWidget* control = controlOf(l);
    if (!control)
        return;
    auto button = qobject_cast<QPushButton*>(control);
    if (!button)
        return fail(l, QStringLiteral("%1 is not a command button").arg(l.w[1]));
    if (!button->isEnabled() || !button->isVisible())
        return;
    button->setFocus(Qt::MouseFocusReason);
    button->click();
}

void Runner::close(const Line& l)
{
    if (l.w.size() != 2)
        return usage(l);
    QMdiSubWindow* window = main_->subWindow(l.w[1]);
    if (!window)
        return fail(l, QStringLiteral("no form %1").arg(l.w[1]));
    window->close();
}

void Runner::tick(const Line&)
{
    if (main_->timer()->isActive())
        main_->Temporizador();
    if (main_->playTimer()->isActive())
        main_->playStep();
}

void Runner::screenshot(const Line& l)
{
    // Not a check: saves a picture of the main window, to look at the layout.
    // Where MATRAVEL_SCREENSHOTS names a folder (the test suite names one in its build
    // tree), the picture goes there under the file's own name.
    if (l.w.size() != 2)
        return usage(l);
    const QString folder = qEnvironmentVariable("MATRAVEL_SCREENSHOTS");
    if (!folder.isEmpty())
        QDir().mkpath(folder);
    const QString file = folder.isEmpty() ? l.w[1] : folder + QLatin1Char('/') + QFileInfo(l.w[1]).fileName();
    if (!main_->grab().save(file))
        fail(l, QStringLiteral("cannot write %1").arg(file));
}

void Runner::help(const Line& l)
{
    shell::HelpWindow* help = main_->helpWindow();
    if (l.w.size() == 2 && l.w[1] == QLatin1String("close")) {
        if (help)
            help->close();
        return;
    }
    if (l.w.size() != 3 || l.w[1] != QLatin1String("link"))
        return usage(l);
    if (!help || !help->isVisible())
        return fail(l, QStringLiteral("the help window is not shown"));
    QString error;
    if (!followLink(help->browser(), l.w[2], error))
        fail(l, error);
}

void Runner::expect(const Line& l)
{
    if (l.w.size() < 2)
        return usage(l);
    if (dispatch(namedChecks(), l.w[1], l))
        return;
    if (l.w.size() < 3)
        return fail(l, QStringLiteral("usage: expect FORM.CONTROL ..."));
    const bool ofControl = l.w[1].contains(QLatin1Char('.'));
    if (!dispatch(ofControl ? controlChecks() : formChecks(), l.w[2], l))
        fail(l, QStringLiteral("unknown check %1").arg(l.w[2]));
}

framework::Form* Runner::formOf(const Line& l)
{
    auto form = qobject_cast<framework::Form*>(findForm(l.w[1]));
    if (!form)
        fail(l, QStringLiteral("no form %1").arg(l.w[1]));
    return form;
}

QWidget* Runner::controlOf(const Line& l)
{
    QString error;
    QWidget* control = findControl(l.w[1], error);
    if (!control)
        fail(l, error);
    return control;
}

void Runner::expectStatus(const Line& l)
{
    const QStringList& w = l.w;
    if (w.size() == 3 && w[2] == QLatin1String("fits")) {
        const QStringList problems = statusFitProblems(main_->statusBarControl()->findChild<QLabel*>(), main_.get());
        return verdict(l, problems.isEmpty(), QStringLiteral("the statement whole"), problems.join(QStringLiteral("; ")));
    }
    if (w.size() == 4 && w[2] == QLatin1String("text"))
        return verdict(l, main_->statusText() == w[3], quoted(w[3]), quoted(main_->statusText()));
    if (w.size() == 4 && w[2] == QLatin1String("visible")) {
        const QString got = yesNo(!main_->statusBarControl()->isHidden());
        return verdict(l, got == w[3], w[3], got);
    }
    usage(l);
}

void Runner::expectMenu(const Line& l)
{
    if (l.w.size() != 5 || l.w[3] != QLatin1String("enabled"))
        return usage(l);
    QAction* action = main_->menuItem(l.w[2]);
    if (!action)
        return fail(l, QStringLiteral("no menu item %1").arg(l.w[2]));
    const QString got = yesNo(action->isEnabled());
    verdict(l, got == l.w[4], l.w[4], got);
}

void Runner::expectMessage(const Line& l)
{
    const QStringList& w = l.w;
    if (w.size() != 7 || w[3] != QLatin1String("buttons") || w[5] != QLatin1String("title"))
        return usage(l);
    if (messages_.empty())
        return fail(l, QStringLiteral("expected a message box, got none"));
    const Message m = messages_.front();
    messages_.pop_front();
    const QString expected = QStringLiteral("%1 buttons %2 title %3").arg(quoted(w[2]), w[4], quoted(w[6]));
    const QString got = QStringLiteral("%1 buttons %2 title %3").arg(quoted(m.text)).arg(m.buttons).arg(quoted(m.title));
    verdict(l, expected == got, expected, got);
}

void Runner::expectNoMessage(const Line& l)
{
    QString got;
    for (const Message& m : messages_)
        got += quoted(m.text) + QLatin1Char(' ');
    const bool none = messages_.empty();
    messages_.clear();
    verdict(l, none, QStringLiteral("no message box"), got.trimmed());
}

void Runner::expectEnded(const Line& l)
{
    if (l.w.size() != 3)
        return usage(l);
    const QString got = yesNo(main_->ended());
    verdict(l, got == l.w[2], l.w[2], got);
}

void Runner::expectHelp(const Line& l)
{
    if (l.w.size() != 4)
        return usage(l);
    shell::HelpWindow* help = main_->helpWindow();
    const QString& what = l.w[2];
    const QString& want = l.w[3];
    if (what == QLatin1String("state")) {
        const QString got = !help ? QStringLiteral("absent")
                                  : (help->isVisible() ? QStringLiteral("shown") : QStringLiteral("hidden"));
        return verdict(l, got == want, want, got);
    }
    if (!help)
        return fail(l, QStringLiteral("the help window does not exist"));
    QTextBrowser* browser = help->browser();
    if (what == QLatin1String("contains")) {
        const bool found = browser->toPlainText().contains(want);
        return verdict(l, found, QStringLiteral("a page with %1").arg(quoted(want)), QStringLiteral("no such text"));
    }
    if (what == QLatin1String("at")) {
        const QString got = browser->source().fragment();
        return verdict(l, got == want, quoted(want), quoted(got));
    }
    if (what == QLatin1String("top")) {
        const QString got = yesNo(browser->verticalScrollBar()->value() == 0);
        return verdict(l, got == want, want, got);
    }
    if (what == QLatin1String("active")) {
        const QString got = yesNo(QApplication::activeWindow() == help);
        return verdict(l, got == want, want, got);
    }
    usage(l);
}

void Runner::expectFormFits(const Line& l)
{
    QWidget* form = findForm(l.w[1]);
    if (l.w.size() != 3)
        return usage(l);
    if (!form || form == main_.get())
        return fail(l, QStringLiteral("no form %1").arg(l.w[1]));
    const QStringList problems = fitProblems(form, main_->workspace()->viewport());
    verdict(l, problems.isEmpty(), QStringLiteral("every text whole"), problems.join(QStringLiteral("; ")));
}

void Runner::expectContrast(const Line& l)
{
    if (l.w.size() != 4)
        return usage(l);
    QWidget* form = findForm(l.w[1]);
    if (!form || form == main_.get())
        return fail(l, QStringLiteral("no form %1").arg(l.w[1]));
    bool ok = false;
    const double least = l.w[3].toDouble(&ok);
    if (!ok || least < 1)
        return usage(l);
    const QStringList problems = contrastProblems(form, least);
    verdict(l, problems.isEmpty(), QStringLiteral("every text at least %1 : 1").arg(l.w[3]), problems.join(QStringLiteral("; ")));
}

void Runner::expectClientSize(const Line& l)
{
    if (l.w[1] != QLatin1String("Zarpa01") || l.w.size() != 5)
        return usage(l);
    const QSize client(main_->width(), main_->height() - main_->menuBar()->height());
    const QString got = QStringLiteral("%1 %2").arg(client.width() * framework::TwipsPerPixel).arg(client.height() * framework::TwipsPerPixel);
    const QString expected = l.w[3] + QLatin1Char(' ') + l.w[4];
    verdict(l, got == expected, expected, got);
}

void Runner::expectState(const Line& l)
{
    if (l.w.size() != 4)
        return usage(l);
    QMdiSubWindow* window = main_->subWindow(l.w[1]);
    const QString got = !window ? QStringLiteral("absent") : (window->isVisible() ? QStringLiteral("shown") : QStringLiteral("hidden"));
    verdict(l, got == l.w[3], l.w[3], got);
}

void Runner::expectFocus(const Line& l)
{
    if (l.w.size() != 4)
        return usage(l);
    framework::Form* form = formOf(l);
    if (!form)
        return;
    QWidget* focus = QApplication::focusWidget();
    if (!focus || !form->isAncestorOf(focus))
        focus = form->focusWidget();
    while (focus && focus != form && !focus->property("matravelControl").toBool())
        focus = focus->parentWidget();
    const QString got = focus && focus != form ? focus->objectName() : QStringLiteral("(nothing)");
    verdict(l, got == l.w[3], l.w[3], got);
}

void Runner::expectText(const Line& l)
{
    if (l.w.size() != 4)
        return usage(l);
    QWidget* control = controlOf(l);
    if (!control)
        return;
    const QString got = control == main_->statusBarControl() ? main_->statusText() : framework::caption(control);
    verdict(l, got == l.w[3], quoted(l.w[3]), quoted(got));
}

void Runner::expectColor(const Line& l)
{
    if (l.w.size() != 4)
        return usage(l);
    QWidget* control = controlOf(l);
    if (!control)
        return;
    bool ok = false;
    const uint expected = l.w[3].startsWith(QLatin1String("0x"), Qt::CaseInsensitive) ? l.w[3].mid(2).toUInt(&ok, 16) : 0;
    if (!ok)
        return usage(l);
    const uint got = framework::foreColor(control);
    verdict(l, got == expected, hex(expected), hex(got));
}

void Runner::expectWord(const Line& l, const std::function<QString(QWidget*)>& read)
{
    if (l.w.size() != 4)
        return usage(l);
    if (QWidget* control = controlOf(l)) {
        const QString got = read(control);
        verdict(l, got == l.w[3], l.w[3], got);
    }
}

void Runner::expectEnabled(const Line& l)
{
    expectWord(l, [](QWidget* c) { return yesNo(!c->testAttribute(Qt::WA_Disabled)); });
}

void Runner::expectVisible(const Line& l)
{
    expectWord(l, [](QWidget* c) { return yesNo(!c->isHidden()); });
}

void Runner::expectTop(const Line& l)
{
    expectWord(l, [](QWidget* c) { return QString::number(double(framework::topTwips(c)), 'g', 9); });
}

void Runner::expectFits(const Line& l)
{
    if (l.w.size() != 3)
        return usage(l);
    QWidget* control = controlOf(l);
    if (!control)
        return;
    const QString& what = l.w[1];
    QWidget* window = control->window() == main_.get() ? findForm(what.left(what.indexOf(QLatin1Char('.')))) : control->window();
    const QStringList problems = fitProblems(window, main_->workspace()->viewport(), control);
    verdict(l, problems.isEmpty(), QStringLiteral("its whole text"), problems.join(QStringLiteral("; ")));
}

void Runner::expectLastRow(const Line& l)
{
    if (l.w.size() != 5 || l.w[3] != QLatin1String("shown"))
        return usage(l);
    QWidget* control = controlOf(l);
    if (!control)
        return;
    auto list = qobject_cast<QListWidget*>(control);
    if (!list)
        return fail(l, QStringLiteral("%1 is not a list box").arg(l.w[1]));
    const QString got = yesNo(lastRowShown(list));
    verdict(l, got == l.w[4], l.w[4], got);
}

void Runner::expectDrawn(const Line& l)
{
    expectWord(l, [](QWidget* c) { return drawnDisabled(c) ? QStringLiteral("disabled") : QStringLiteral("enabled"); });
}

void Runner::expectRows(const Line& l)
{
    QWidget* control = controlOf(l);
    if (!control)
        return;
    auto list = qobject_cast<QListWidget*>(control);
    if (!list)
        return fail(l, QStringLiteral("%1 is not a list box").arg(l.w[1]));
    QStringList got;
    for (int i = 0; i < list->count(); ++i)
        got << quoted(list->item(i)->text());
    QStringList expected;
    for (int i = 3; i < l.w.size(); ++i)
        expected << quoted(l.w[i]);
    verdict(l, got == expected, expected.join(QLatin1Char(' ')), got.join(QLatin1Char(' ')));
}

}  // namespace scenario
