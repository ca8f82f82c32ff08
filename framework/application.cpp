#include "framework/application.h"

#include "framework/host.h"
#include "framework/name.h"
#include "framework/numbers/value.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QPixmapCache>
#include <QTranslator>

#include <csignal>

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
    // A file larger than the system lets a process write is a failed export, said as such,
    // not the end of the program.
    std::signal(SIGXFSZ, SIG_IGN);
    // Qt's own dialogs and standard buttons speak Portuguese like the rest of the program.
    auto qt = new QTranslator(this);
    if (qt->load(QLocale(QLocale::Portuguese, QLocale::Brazil), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installTranslator(qt);
}

bool Application::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const num::RuntimeError& error) {
        reportRuntimeError(error);
        return true;
    } catch (const UnknownControl& fault) {
        // A window that names a control it does not have is not made; the program goes on.
        qCritical("%s", fault.what());
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
