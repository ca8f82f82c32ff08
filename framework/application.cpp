#include "framework/application.h"

#include "framework/host.h"
#include "framework/numbers/value.h"

#include <QLocale>
#include <QPixmapCache>

namespace framework {

Application::Application(int& argc, char** argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("matravel"));
    setApplicationDisplayName(applicationTitle());
    setApplicationVersion(QStringLiteral("1.1"));
    // The style keeps the faces it has drawn (button bevels, scroll bars) per palette, and a
    // coloured button has a palette of its own in every window opened: without a bound of
    // our own the cache took up to 10 MiB over a long lesson. One window on screen needs far
    // less than this.
    QPixmapCache::setCacheLimit(1024);
}

bool Application::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const num::RuntimeError& error) {
        reportRuntimeError(error);
        return true;
    }
}

namespace {
void useQLocale(const QLocale& locale)
{
    const QString decimal = locale.decimalPoint();
    const QString group = locale.groupSeparator();
    const char d = decimal.size() == 1 && decimal[0].unicode() < 128 ? char(decimal[0].unicode()) : '.';
    char g = group.size() == 1 && group[0].unicode() < 128 ? char(group[0].unicode()) : (d == ',' ? '.' : ',');
    if (g == d || g == ' ')
        g = d == ',' ? '.' : ',';
    num::setLocale(d, g);
}
}  // namespace

void useSystemLocale() { useQLocale(QLocale::system()); }

void useLocale(const QString& name) { useQLocale(name == QLatin1String("C") ? QLocale::c() : QLocale(name)); }

}  // namespace framework
