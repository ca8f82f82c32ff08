#pragma once
// The program started from a shell: the desk check of a run written with no window on screen
// (--problema, --entrada, --exportar, --passos), the problems and the boxes each one reads
// (--listar), the usage (--help), or the main window opened with a problem's window chosen.
#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

namespace shell {

class Zarpa01;

struct CommandLine {
    enum class Mode { Window, Help, List, Export };
    Mode mode = Mode::Window;
    QString section;  // the problem, by the number of its section in the help ("08", "03a")
    std::vector<std::pair<QString, QString>> inputs;  // text box, text typed into it, in order
    QString file;     // where the desk check is written (--exportar)
    long long steps = 0;  // the steps a run may take (0: the default bound)
    QString error;    // what is wrong with the arguments, in Portuguese (empty: nothing)
    bool foreign = false;  // the error is an argument the program does not know (maybe Qt's own)
};

// The exit statuses of the command line.
enum ExitStatus { Ended = 0, Stopped = 1, UsageError = 2, StepLimit = 3 };

// The steps a run takes at most when --passos does not say.
constexpr long long kDefaultStepBound = 100000;

// Reads the arguments that follow the program's name.
CommandLine parseCommandLine(const QStringList& arguments);
// Whether the arguments ask for no window at all: then the program must not need a display,
// and the offscreen platform is chosen before the application object is made.
bool wantsNoWindow(const QStringList& arguments);
void useNoDisplay();
QString usage();

// Plays the run and writes its desk check (Mode::Export), or prints the problems
// (Mode::List); the exit status. Needs the application object.
int runWithoutWindow(const CommandLine& line);
// Chooses the problem's window in the main window and types the texts given; false, with the
// reason written to standard error, when the problem or a box is unknown.
bool openChosen(Zarpa01& window, const CommandLine& line);

}  // namespace shell
