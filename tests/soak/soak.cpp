// matravel-soak: a random student. Plays a long random scenario against the real program
// (menu commands, accelerators, closing and reopening windows, hostile texts in every box,
// clicks in any order, timer ticks) and writes it out as a scenario file, so that a failure
// can be replayed with matravel-scenario. Every message box must be one the program defines;
// the run ends by checking that every window still answers.
#include "framework/application.h"
#include "framework/form.h"
#include "problems/problems.h"
#include "shell/desk_check.h"
#include "shell/main_window.h"
#include "tests/runner/scenario.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextStream>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <random>
#include <thread>
#include <utility>

namespace {

const char* const kOtherItems[] = {"MnuAbout", "MnuStop", "MnuAnimar", "Mnu_Esconder_questão",
                                   "Mnu_Mostrar_Questão", "MnuHelp"};
const char* const kKeys[] = {"F1", "F2", "F3", "F4", "F5", "F6", "F7", "F8", "F9", "F10", "F11", "F12",
                             "Ctrl+S", "Ctrl+A", "Ctrl+E", "Ctrl+D", "Tab", "Return", "Escape", "Space"};

using scenario::quoted;

class Soak {
public:
    Soak(quint64 runNumber, QTextStream& scenario, const QList<QRegularExpression>& known)
        : rng_(runNumber), scenario_(scenario), runnerOut_(&runnerLog_), runner_(runnerOut_), known_(known)
    {
    }

    // Plays one line; false when a check failed.
    bool play(const QString& line)
    {
        ++number_;
        scenario_ << line << '\n';
        lastLine_.store(number_);
        const int before = runner_.failed();
        runner_.step(number_, line);
        if (runner_.failed() != before) {
            std::fprintf(stderr, "%s", qPrintable(runnerLog_));
            return false;
        }
        runnerLog_.clear();
        return checkMessages();
    }

    bool run(int actions)
    {
        if (!play(QStringLiteral("expect ended no")))
            return false;
        for (int i = 0; i < actions; ++i) {
            if (!play(nextAction()))
                return false;
            // The rest of an action of several lines (a dialog, a check after a move).
            for (const QString& line : std::exchange(later_, {}))
                if (!play(line))
                    return false;
            // Asked whether to replace the file: yes.
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w->objectName() == QLatin1String("SubstituirArquivo") && w->isVisible() && !play(QStringLiteral("dialog accept")))
                    return false;
        }
        return finalChecks();
    }

    int line() const { return number_; }
    std::atomic<int> lastLine_{0};

private:
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
    bool chance(int percent) { return pick(100) < percent; }

    // Every message box shown must be one the program defines; the scenario checks it too.
    bool checkMessages()
    {
        while (!runner_.pendingMessages().empty()) {
            const scenario::Message m = runner_.pendingMessages().front();
            bool ok = false;
            for (const QRegularExpression& re : known_)
                ok = ok || re.match(m.text).hasMatch();
            const QString check = QStringLiteral("expect message %1 buttons %2 title %3")
                                      .arg(quoted(m.text)).arg(m.buttons).arg(quoted(m.title));
            if (!ok) {
                std::fprintf(stderr, "unknown message box at line %d: %s\n", number_, qPrintable(check));
                scenario_ << check << '\n';
                return false;
            }
            if (!play(check))
                return false;
        }
        return true;
    }

    QList<framework::Form*> forms() const
    {
        QList<framework::Form*> result;
        for (QMdiSubWindow* w : runner_.program()->workspace()->subWindowList())
            if (auto f = qobject_cast<framework::Form*>(w->widget()))
                result << f;
        return result;
    }

    QString hostileText()
    {
        static const QStringList fixed = {
            QString(), QStringLiteral("  "), QStringLiteral("-"), QStringLiteral("&H"), QStringLiteral("&HFFFF"),
            QStringLiteral("&O777"), QStringLiteral("1e308"), QStringLiteral("-1e308"), QStringLiteral("1e-308"),
            QStringLiteral("99999999999999999999"), QStringLiteral("-99999999999999999999"), QStringLiteral("0"),
            QStringLiteral("-0"), QStringLiteral("1"), QStringLiteral("2.5"), QStringLiteral("3,5"),
            QStringLiteral("0.001"), QStringLiteral("-32768"), QStringLiteral("32767"), QStringLiteral("32768"),
            QStringLiteral("2147483647"), QStringLiteral("2147483648"), QStringLiteral("-2147483649"),
            QStringLiteral("1.234,5"), QStringLiteral("NaN"), QStringLiteral("Inf"), QStringLiteral("ção"),
            QStringLiteral("€"), QStringLiteral("числа"), QStringLiteral("数字"), QStringLiteral("\t1\t"),
            QStringLiteral("\x01\x02"), QStringLiteral("1 2"), QStringLiteral("1e"), QStringLiteral("."),
            QStringLiteral("0.01"), QStringLiteral("1638.48"), QStringLiteral("13"), QStringLiteral("53"),
            QStringLiteral("\"quoted\\"), QStringLiteral("😀"),
        };
        switch (pick(6)) {
        case 0: return fixed[pick(fixed.size())];
        case 1: return QString::number(pick(2001) - 1000);
        case 2: return QString::number(pick(100000) / 100.0, 'f', pick(4));
        case 3: return QString::number(pick(20));
        case 4:
            if (chance(3))
                return QString(10000, QLatin1Char('9'));
            return fixed[pick(fixed.size())];
        default: return QString::number(pick(10));
        }
    }

    // The desk check and everything of the menu "Exibir": shown and hidden (menu and key),
    // going back and on (also past either end), a row chosen, the run played and stopped,
    // every zoom (also past either end), exports to good and bad files, the export dialog.
    // After a move the window must show the step its row says.
    QStringList deskCheckAction()
    {
        static const char* const zooms[] = {"100", "125", "150", "200", "250", "300"};
        static const char* const keys[] = {"Ctrl+T", "Ctrl+R", "Escape", "Ctrl++", "Ctrl+=", "Ctrl+-", "Ctrl+0"};
        const QString agrees = QStringLiteral("expect trace agrees");
        switch (pick(12)) {
        case 0: return {QStringLiteral("menu MnuTesteMesa")};
        case 1: return {QStringLiteral("key Alt+Left"), agrees};
        case 2: return {QStringLiteral("key Alt+Right"), agrees};
        case 3: {
            const shell::DeskCheck* desk = runner_.program()->deskCheck();
            if (!desk->form())
                return {QStringLiteral("tick")};
            return {QStringLiteral("trace go %1").arg(pick(desk->rows() + 1)), agrees};
        }
        case 4: return {QStringLiteral("play")};
        case 5: return {QStringLiteral("stop")};
        case 6: return {chance(25) ? QStringLiteral("zoom ") + QLatin1String(zooms[pick(6)]) : QStringLiteral("tick")};
        case 7: return {QStringLiteral("key ") + QLatin1String(keys[pick(7)])};
        case 8:
            if (!runner_.program()->activeProblem())
                return {QStringLiteral("tick")};
            // A PDF costs a picture and a page layout: one export in four.
            return {QStringLiteral("export \"soak.%1\"").arg(chance(25) ? QStringLiteral("pdf") : QStringLiteral("csv"))};
        case 9:
            // A folder, and a name with no room on a disk that is full.
            if (!runner_.program()->activeProblem())
                return {QStringLiteral("tick")};
            if (chance(50))
                return {QStringLiteral("export \".\" fails")};
            return {QStringLiteral("limit filesize 64"), QStringLiteral("export \"full.pdf\" fails"),
                    QStringLiteral("limit filesize 0")};
        case 10:
            if (!runner_.program()->activeProblem())
                return {QStringLiteral("tick")};
            if (chance(50))
                return {QStringLiteral("key Ctrl+P"), QStringLiteral("dialog cancel")};
            return {QStringLiteral("key Ctrl+P"), QStringLiteral("dialog filter \"%1\"").arg(chance(25) ? "PDF" : "CSV"),
                    QStringLiteral("dialog name \"dialogo\""), QStringLiteral("dialog accept")};
        default: return {QStringLiteral("key Ctrl+R")};
        }
    }

    QString nextAction()
    {
        const QList<framework::Form*> all = forms();
        QList<framework::Form*> shown;
        for (framework::Form* f : all)
            if (f->isVisible())
                shown << f;
        const int roll = pick(100);
        if (roll < 6)
            return QStringLiteral("menu ") + QString::fromUtf8(problems::all()[pick(int(problems::all().size()))].menuItem);
        if (roll < 9)
            return QStringLiteral("menu ") + QString::fromUtf8(kOtherItems[pick(6)]);
        if (roll < 14)
            return QStringLiteral("key ") + QString::fromUtf8(kKeys[pick(20)]);
        if (roll < 16)
            return QStringLiteral("tick");
        if (roll < 18 && !all.isEmpty())
            return QStringLiteral("close ") + all[pick(all.size())]->objectName();
        if (roll < 26) {
            QStringList lines = deskCheckAction();
            later_ = lines.mid(1);
            return lines.first();
        }
        if (shown.isEmpty())
            return QStringLiteral("menu ") + QString::fromUtf8(problems::all()[pick(int(problems::all().size()))].menuItem);
        framework::Form* form = shown[pick(shown.size())];
        QList<QLineEdit*> boxes;
        QList<QPushButton*> buttons;
        for (QWidget* c : form->controls()) {
            if (auto b = qobject_cast<QLineEdit*>(c))
                boxes << b;
            else if (auto p = qobject_cast<QPushButton*>(c))
                buttons << p;
        }
        const QString prefix = form->objectName() + QLatin1Char('.');
        if (roll < 55 && !boxes.isEmpty())
            return QStringLiteral("type ") + prefix + boxes[pick(boxes.size())]->objectName() + QLatin1Char(' ') +
                   quoted(hostileText());
        if (!buttons.isEmpty())
            return QStringLiteral("click ") + prefix + buttons[pick(buttons.size())]->objectName();
        return QStringLiteral("tick");
    }

    // Every window still opens from its command and shows its first control.
    bool finalChecks()
    {
        for (const problems::Problem& problem : problems::all()) {
            if (!play(QStringLiteral("menu ") + QString::fromUtf8(problem.menuItem)))
                return false;
            framework::Form* visible = nullptr;
            for (QMdiSubWindow* w : runner_.program()->workspace()->subWindowList())
                if (w->isVisible() && w == runner_.program()->workspace()->activeSubWindow())
                    visible = qobject_cast<framework::Form*>(w->widget());
            if (!visible) {
                std::fprintf(stderr, "no window came up for %s\n", problem.menuItem);
                return false;
            }
            if (!play(QStringLiteral("expect %1 state shown").arg(visible->objectName())))
                return false;
        }
        return play(QStringLiteral("expect ended no"));
    }

    std::mt19937_64 rng_;
    QTextStream& scenario_;
    QString runnerLog_;
    QTextStream runnerOut_;
    scenario::Runner runner_;
    QList<QRegularExpression> known_;
    int number_ = 0;
    QStringList later_;
};

}  // namespace

int main(int argc, char** argv)
{
    scenario::useClassroomScreen();
    quint64 runNumber = quint64(std::chrono::steady_clock::now().time_since_epoch().count());
    int actions = 3000;
    QString out = QStringLiteral("soak.scn");
    QString messages;
    for (int i = 1; i + 1 < argc; i += 2) {
        const QByteArray opt = argv[i];
        if (opt == "--run")
            runNumber = QByteArray(argv[i + 1]).toULongLong();
        else if (opt == "--actions")
            actions = QByteArray(argv[i + 1]).toInt();
        else if (opt == "--out")
            out = QString::fromLocal8Bit(argv[i + 1]);
        else if (opt == "--messages")
            messages = QString::fromLocal8Bit(argv[i + 1]);
        else {
            std::fprintf(stderr, "usage: matravel-soak [--run N] [--actions N] [--out FILE] --messages FILE\n");
            return 2;
        }
    }
    int qtArgc = 1;
    framework::Application app(qtArgc, argv);

    QList<QRegularExpression> known;
    QFile list(messages);
    if (messages.isEmpty() || !list.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "matravel-soak: give the list of known message boxes with --messages FILE\n");
        return 2;
    }
    for (const QString& line : QString::fromUtf8(list.readAll()).split(QLatin1Char('\n')))
        if (!line.isEmpty() && !line.startsWith(QLatin1Char('#')))
            known << QRegularExpression(QRegularExpression::anchoredPattern(line));

    QFile file(out);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "matravel-soak: cannot write %s\n", qPrintable(out));
        return 2;
    }
    QTextStream scenario(&file);
    scenario << "# A random student, run " << runNumber << ", " << actions << " actions\n";
    std::fprintf(stderr, "matravel-soak: run %llu, %d actions, scenario in %s\n", (unsigned long long)runNumber, actions,
                 qPrintable(out));

    Soak soak(runNumber, scenario, known);
    // A step that takes longer than this is a hang.
    std::atomic<bool> done{false};
    std::thread watchdog([&] {
        int last = -1;
        int still = 0;
        while (!done.load()) {
            std::this_thread::sleep_for(std::chrono::seconds(1));
            const int now = soak.lastLine_.load();
            still = now == last ? still + 1 : 0;
            last = now;
            if (still >= 60) {
                std::fprintf(stderr, "matravel-soak: line %d has not finished after 60 s (run %llu)\n", now,
                             (unsigned long long)runNumber);
                std::fflush(stderr);
                std::_Exit(3);
            }
        }
    });
    const bool ok = soak.run(actions);
    done.store(true);
    watchdog.join();
    scenario.flush();
    std::printf("%s: %d lines played, run %llu\n", ok ? "soak passed" : "soak FAILED", soak.line(),
                (unsigned long long)runNumber);
    std::printf("%d passed, %d failed\n", ok ? 1 : 0, ok ? 0 : 1);
    return ok ? 0 : 1;
}
