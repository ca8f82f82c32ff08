#include "framework/host.h"

#include "framework/numbers/value.h"

#include <QApplication>
#include <QMessageBox>

namespace framework {

namespace {
Host* g_host = nullptr;
MessageHook g_messageHook;
MessageHook g_messageHold;
}  // namespace

void setHost(Host* host) { g_host = host; }
Host* host() { return g_host; }

void setStatusText(const QString& text)
{
    if (g_host)
        g_host->setStatusText(text);
}

QString applicationTitle() { return QStringLiteral("Matravel"); }

void setMessageHook(MessageHook hook) { g_messageHook = std::move(hook); }
void setMessageHold(MessageHook hold) { g_messageHold = std::move(hold); }

void messageBox(const QString& text, int buttons, const QString& title)
{
    const QString shownTitle = title.isEmpty() ? applicationTitle() : title;
    if (g_messageHold) {
        g_messageHold(text, buttons, shownTitle);
        return;
    }
    if (g_messageHook) {
        g_messageHook(text, buttons, shownTitle);
        return;
    }
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    if (buttons == Exclamation)
        icon = QMessageBox::Warning;
    else if (buttons == Information)
        icon = QMessageBox::Information;
    QMessageBox box(icon, shownTitle, text, QMessageBox::Ok, QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

QString runtimeErrorText(int number)
{
    QString description;
    switch (number) {
    case num::Overflow: description = QStringLiteral("Estouro"); break;
    case num::DivisionByZero: description = QStringLiteral("Divisão por zero"); break;
    case num::TypeMismatch: description = QStringLiteral("Tipos incompatíveis"); break;
    default: description = QStringLiteral("Erro desconhecido"); break;
    }
    return QStringLiteral("Erro de execução %1: %2").arg(number).arg(description);
}

void reportRuntimeError(const num::RuntimeError& error)
{
    messageBox(runtimeErrorText(error.number()), Exclamation, applicationTitle());
}

}  // namespace framework
