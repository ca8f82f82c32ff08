#pragma once
// Plays a scenario (one command per line) against the program's main window, as a student
// would: menu commands, keys, typing, clicks, closing, timer ticks; and checks what the
// windows show. See the README for the language.
#include "framework/window_state.h"

#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <vector>

class QWidget;
class QTextStream;

namespace framework { class Form; }
namespace shell { class Zarpa01; }

namespace scenario {

// Before the application starts: headless by default, on a screen the size of a classroom
// laptop's (1366 x 768), so that the largest windows and the main window that holds them fit.
void useClassroomScreen();

// A text as a scenario writes it: between quotes, with \\ and \" escaped.
QString quoted(const QString& s);

// Checks the README's list of the scenario language against the runner's table of commands:
// every usage form is listed there (between backquotes), and every item of the list that
// starts with a command names one the runner has. Prints what is amiss; returns how many.
int checkReadme(const QString& readme, QTextStream& out);

struct Message {
    QString text;
    int buttons;
    QString title;
};

class Runner {
public:
    explicit Runner(QTextStream& out);
    ~Runner();

    // Runs every line; returns the number of failed checks.
    int run(const QStringList& lines);
    // Runs one line (its number is the one printed); the first line may choose the locale.
    void step(int number, const QString& line);
    // Prints "N passed, N failed".
    void finish();

    // The program under test (started by the first command).
    shell::Zarpa01* program() const { return main_.get(); }
    // Message boxes shown and not yet checked, oldest first.
    const std::deque<Message>& pendingMessages() const { return messages_; }
    int passed() const { return passed_; }
    int failed() const { return failed_; }

    // Splits a line into words and quoted texts; false when a quote is not closed.
    static bool split(const QString& line, QStringList& words, QString& error);

    // Every usage form of the language (a usage line's " | " alternatives apart), commands and
    // checks: the README lists each of them.
    static QStringList usages();

private:
    // One line as a command reads it: its number, its text and its words.
    struct Line {
        int number;
        QString text;
        QStringList w;
    };
    // A command of the language, by its word, with its usage line (alternatives joined by
    // " | ") and what it does. The actions go by the line's first word; the checks of
    // "expect" by the word after it (expect status ...), or by the word after a form's name
    // (expect FORM fits) or a control's (expect FORM.CONTROL text "t").
    struct Command {
        const char* word;
        const char* usage;
        void (Runner::*run)(const Line&);
    };
    static const std::vector<Command>& actions();
    static const std::vector<Command>& namedChecks();
    static const std::vector<Command>& formChecks();
    static const std::vector<Command>& controlChecks();
    void execute(const Line& l);
    // Runs the command of `table` named `word`; false when there is none.
    bool dispatch(const std::vector<Command>& table, const QString& word, const Line& l);

    // The actions (scenario.cpp, and the desk check's in trace.cpp).
    void locale(const Line& l);
    void menu(const Line& l);
    void key(const Line& l);
    void type(const Line& l);
    void click(const Line& l);
    void close(const Line& l);
    void tick(const Line& l);
    void screenshot(const Line& l);
    void help(const Line& l);
    void trace(const Line& l);
    void snapshot(const Line& l);
    void zoom(const Line& l);
    void play(const Line& l);
    void exportDeskCheck(const Line& l);
    void limit(const Line& l);
    void dialog(const Line& l);
    void predict(const Line& l);
    void expect(const Line& l);
    // The checks.
    void expectStatus(const Line& l);
    void expectMenu(const Line& l);
    void expectMessage(const Line& l);
    void expectNoMessage(const Line& l);
    void expectEnded(const Line& l);
    void expectHelp(const Line& l);
    void expectTrace(const Line& l);
    void expectPlot(const Line& l);
    void expectExport(const Line& l);
    void expectFile(const Line& l);
    void expectDialog(const Line& l);
    void expectPrediction(const Line& l);
    void expectFormFits(const Line& l);
    void expectContrast(const Line& l);
    void expectClientSize(const Line& l);
    void expectState(const Line& l);
    void expectFocus(const Line& l);
    void expectMatches(const Line& l);
    void expectText(const Line& l);
    void expectColor(const Line& l);
    void expectEnabled(const Line& l);
    void expectVisible(const Line& l);
    void expectTop(const Line& l);
    void expectFits(const Line& l);
    void expectLastRow(const Line& l);
    void expectDrawn(const Line& l);
    void expectRows(const Line& l);
    // A check of one word about a control (expect FORM.CONTROL WHAT WORD): `read` gives it.
    void expectWord(const Line& l, const std::function<QString(QWidget*)>& read);

    // A failure that gives the usage line of the command under way.
    void usage(const Line& l);
    void fail(const Line& l, const QString& why) { fail(l.number, l.text, why); }
    void verdict(const Line& l, bool ok, const QString& expected, const QString& got)
    {
        verdict(l.number, l.text, ok, expected, got);
    }
    // The form a check names (l.w[1]), failing the line when there is none.
    framework::Form* formOf(const Line& l);
    // The control a check names (l.w[1]), failing the line when there is none.
    QWidget* controlOf(const Line& l);
    QWidget* openDialog() const;
    void ensureStarted();
    void pass(int number, const QString& line);
    void fail(int number, const QString& line, const QString& why);
    // A check: passes when ok, else fails with what was expected and what was got.
    void verdict(int number, const QString& line, bool ok, const QString& expected, const QString& got);
    void settle();
    QWidget* findControl(const QString& path, QString& error) const;
    QWidget* findForm(const QString& name) const;

    QTextStream& out_;
    std::unique_ptr<shell::Zarpa01> main_;
    std::deque<Message> messages_;
    // States recorded by "snapshot NAME": the form's name and what it showed.
    std::map<QString, std::pair<QString, framework::WindowState>> snapshots_;
    int atMessage_ = 0;  // message boxes of the action under way
    const char* usage_ = "";  // the usage line of the command under way
    int passed_ = 0;
    int failed_ = 0;
    bool started_ = false;
    bool first_ = true;
};

}  // namespace scenario
