#pragma once
// The program's application object: a run-time error that escapes a handler is reported,
// never allowed to end the program.
#include <QApplication>

namespace framework {

class Application : public QApplication {
public:
    Application(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

// Reads the decimal and thousands separators of the user's locale into the number rules.
void useSystemLocale();
// Chooses them by locale name ("C", "pt_BR", ...).
void useLocale(const QString& name);

}  // namespace framework
