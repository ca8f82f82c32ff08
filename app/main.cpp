#include "framework/application.h"
#include "shell/command_line.h"
#include "shell/main_window.h"

#include <cstdio>

int main(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    shell::CommandLine line = shell::parseCommandLine(arguments);
    const auto complain = [](const QString& error) {
        std::fprintf(stderr, "matravel: %s\n", error.toLocal8Bit().constData());
        return int(shell::UsageError);
    };
    if (shell::wantsNoWindow(arguments)) {
        if (line.mode == shell::CommandLine::Mode::Help && line.error.isEmpty()) {
            std::fputs(shell::usage().toLocal8Bit().constData(), stdout);
            return shell::Ended;
        }
        if (!line.error.isEmpty())
            return complain(line.error);
        shell::useNoDisplay();
        // The arguments are the program's own: Qt reads none of them.
        int qtArgc = 1;
        framework::Application app(qtArgc, argv);
        framework::useSystemLocale();
        return shell::runWithoutWindow(line);
    }
    if (!line.error.isEmpty() && !line.foreign)
        return complain(line.error);
    framework::Application app(argc, argv);
    framework::useSystemLocale();
    // Qt has taken its own options (-style, -platform ...): what is left is the program's.
    if (line.foreign) {
        line = shell::parseCommandLine(QCoreApplication::arguments().mid(1));
        if (!line.error.isEmpty())
            return complain(line.error);
    }
    shell::Zarpa01 window;
    window.show();
    if (!shell::openChosen(window, line)) {
        window.close();
        return shell::UsageError;
    }
    return app.exec();
}
