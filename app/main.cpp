#include "framework/application.h"
#include "shell/command_line.h"
#include "shell/main_window.h"

int main(int argc, char** argv)
{
    // The desk check with no window, the list of problems, the usage and a wrong argument end
    // here, with no display needed.
    if (const std::optional<int> status = shell::runWithoutWindow(argc, argv))
        return *status;
    framework::Application app(argc, argv);
    framework::useSystemLocale();
    shell::Zarpa01 window;
    window.show();
    // Qt has taken its own options (-style, -platform ...): the rest may choose a problem.
    if (!shell::openChosen(window, QCoreApplication::arguments().mid(1))) {
        window.close();
        return shell::UsageError;
    }
    return app.exec();
}
