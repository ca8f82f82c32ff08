#pragma once
// The name of a control of a window, as its objectName. Each problem declares the names of
// its controls once, as constants in its own header (`Line::IfValorMod5`, `Box::X`), and the
// table of controls, the algorithm's steps, the run's declaration and the window's lookups all
// take those constants: a name misspelt there does not compile.
#include <QString>
#include <cstring>
#include <stdexcept>
#include <string>

namespace framework {

class Name {
public:
    constexpr Name() = default;
    // Only a string the compiler sees makes a name: no name is put together at run time.
    consteval explicit Name(const char* utf8) : utf8_(utf8) {}
    QString text() const { return QString::fromUtf8(utf8_); }
    constexpr const char* utf8() const { return utf8_; }
    constexpr bool isEmpty() const { return *utf8_ == '\0'; }
    friend bool operator==(Name a, Name b) { return a.utf8_ == b.utf8_ || std::strcmp(a.utf8_, b.utf8_) == 0; }

private:
    const char* utf8_ = "";
};

// The name a table of controls gives a control: one of the window's declared names, or, for a
// control no code names, the string itself (written there and nowhere else).
struct TableName {
    constexpr TableName(Name name) : utf8(name.utf8()) {}
    constexpr TableName(const char* name) : utf8(name) {}
    const char* utf8;
};

// A window looked up, or was declared with, a control it does not have: a fault of the program,
// found when the window is made. `what()` names the window and the control.
class UnknownControl : public std::logic_error {
public:
    UnknownControl(const QString& window, const QString& control)
        : std::logic_error((window + QStringLiteral(": no control named ") + control).toStdString())
    {
    }
};

}  // namespace framework
