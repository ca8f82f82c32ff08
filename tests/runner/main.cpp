// matravel-scenario FILE: plays a scenario file against the real program, headless.
// matravel-scenario --readme README.md: checks the README's list of the scenario language.
#include "framework/application.h"
#include "tests/runner/scenario.h"

#include <QFile>
#include <QTextStream>
#include <cstdio>
#include <cstring>

int main(int argc, char** argv)
{
    if (argc == 3 && std::strcmp(argv[1], "--readme") == 0) {
        QTextStream out(stdout);
        return scenario::checkReadme(QString::fromLocal8Bit(argv[2]), out) == 0 ? 0 : 1;
    }
    scenario::useClassroomScreen();
    if (argc != 2) {
        std::fprintf(stderr, "usage: matravel-scenario FILE\n");
        return 2;
    }
    int qtArgc = 1;
    framework::Application app(qtArgc, argv);
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "matravel-scenario: cannot read %s\n", argv[1]);
        return 2;
    }
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    QTextStream out(stdout);
    int failed = 0;
    {
        scenario::Runner runner(out);
        failed = runner.run(lines);
    }
    return failed == 0 ? 0 : 1;
}
