#pragma once
// Plays a scenario (one command per line) against the program's main window, as a student
// would: menu commands, keys, typing, clicks, closing, timer ticks; and checks what the
// windows show. See the README for the language.
#include "framework/window_state.h"

#include <QString>
#include <QStringList>
#include <deque>
#include <map>
#include <memory>

class QWidget;
class QTextStream;

namespace shell { class Zarpa01; }

namespace scenario {

// Before the application starts: headless by default, on a screen the size of a classroom
// laptop's (1366 x 768), so that the largest windows and the main window that holds them fit.
void useClassroomScreen();

// A text as a scenario writes it: between quotes, with \\ and \" escaped.
QString quoted(const QString& s);

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

private:
    void execute(int number, const QString& line, const QStringList& words);
    void helpCommand(int number, const QString& line, const QStringList& words);
    // The desk check and the menu "E&xibir" (trace.cpp): true when the line was one of theirs.
    bool deskCheckCommand(int number, const QString& line, const QStringList& words);
    void dialogCommand(int number, const QString& line, const QStringList& words);
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
    int passed_ = 0;
    int failed_ = 0;
    bool started_ = false;
    bool first_ = true;
};

}  // namespace scenario
