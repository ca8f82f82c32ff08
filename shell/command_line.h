#pragma once
// The program started from a shell: the desk check of a run written with no window on screen
// (--problema, --entrada, --exportar, --passos), the problems and the boxes each one reads
// (--listar), the usage (--help), or the main window opened with a problem's window chosen.
#include <QStringList>
#include <optional>

namespace shell {

class Zarpa01;

// The exit statuses of the command line.
enum ExitStatus { Ended = 0, Stopped = 1, UsageError = 2, StepLimit = 3 };

// Before the application object is made. Where the arguments ask for no window (--exportar,
// --listar, --help) does what they ask, with no display (the offscreen platform), and gives the
// exit status; so it does for a wrong argument. Else nothing: the program opens its window.
std::optional<int> runWithoutWindow(int argc, char** argv);
// With the main window shown, and the arguments Qt leaves of its own: chooses the problem's
// window and types the texts given; false, with the reason on standard error, when an
// argument is wrong or names a box the window does not have.
bool openChosen(Zarpa01& window, const QStringList& arguments);

}  // namespace shell
