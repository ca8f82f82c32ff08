#pragma once
// What the problem windows need from the main window, and the program's message boxes.
#include "framework/step.h"

#include <QString>
#include <functional>

namespace num { class RuntimeError; }

namespace framework {

// The main window, as the child windows see it: its status-bar text.
class Host {
public:
    virtual ~Host() = default;
    virtual void setStatusText(const QString& text) = 0;
    virtual QString statusText() const = 0;
};

void setHost(Host* host);
Host* host();
// Writes the status-bar text of the main window, if there is one.
void setStatusText(const QString& text);

// The application's title, shown by message boxes that have no title of their own.
QString applicationTitle();


// Shows a modal message box and returns when the user has pressed OK. An empty title means
// the application's title.
void messageBox(const QString& text, int buttons = OkOnly, const QString& title = QString());

// Replaces the modal box by a recorder (the scenario runner and the tests); the recorder gets
// the title already resolved. An empty function restores the real boxes.
using MessageHook = std::function<void(const QString& text, int buttons, const QString& title)>;
void setMessageHook(MessageHook hook);
// Holds the message boxes back while set: each goes to `hold` instead, to be shown later
// (the steps of a click the student predicts before seeing them). An empty function lets them
// through again.
void setMessageHold(MessageHook hold);

// "Erro de execução 6: Estouro" and its sisters, shown with buttons value 48.
QString runtimeErrorText(int number);
void reportRuntimeError(const num::RuntimeError& error);

}  // namespace framework
