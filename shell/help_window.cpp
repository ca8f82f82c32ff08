#include "shell/help_window.h"

#include "framework/controls.h"
#include "problems/problems.h"
#include "shell/artwork.h"

#include <QApplication>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

// The help text is compiled into the core library, which is static: its resource has to be
// registered by hand before first use.
static void registerHelpText() { Q_INIT_RESOURCE(help); }

namespace shell {

namespace {
const char* const kHelpPage = "qrc:/help/ajuda.html";

QString html(const char* utf8) { return QString::fromUtf8(utf8).toHtmlEscaped(); }

// How the menu reaches a problem: "Escolha / Equação da reta / Equação Reta 1".
QString menuPath(const problems::Problem& p)
{
    QString path = QStringLiteral("Escolha / ");
    if (p.submenu)
        path += html(p.submenu->caption) + QStringLiteral(" / ");
    return path + html(p.caption);
}

QString keyName(const problems::Problem& p)
{
    return p.key ? QKeySequence(p.key).toString(QKeySequence::NativeText) : QString();
}

// The help text with what the table of problems says filled in: the rows of the "Escolha"
// menu, and at the head of each problem's section its menu command, key, window and statement.
QString completed(QString page)
{
    QString rows;
    for (const problems::Problem& p : problems::all()) {
        rows += QStringLiteral("<tr><td>%1</td><td>%2</td><td><a href=\"#%3\">%4</a></td></tr>\n")
                    .arg(QString(menuPath(p)).remove(0, 10), keyName(p), QString::fromUtf8(p.help), html(p.title));
        const QString key = p.key ? QStringLiteral(" (%1)").arg(keyName(p)) : QString();
        page.replace(QStringLiteral("<!--problem %1-->").arg(QString::fromUtf8(p.help)),
                     QStringLiteral("<p>Menu <b>%1</b>%2, janela <i>%3</i>.</p>\n<p class=\"enunciado\">%4</p>")
                         .arg(menuPath(p), key, html(p.title), html(p.statement)));
    }
    page.replace(QStringLiteral("<!--escolha-->"), rows);
    return page;
}

// The help page, completed from the table of problems as it is read.
class HelpText : public QTextBrowser {
public:
    using QTextBrowser::QTextBrowser;
    QVariant loadResource(int type, const QUrl& name) override
    {
        QVariant resource = QTextBrowser::loadResource(type, name);
        if (type == QTextDocument::HtmlResource && name.adjusted(QUrl::RemoveFragment) == QUrl(QString::fromLatin1(kHelpPage)))
            return completed(QString::fromUtf8(resource.toByteArray()));
        return resource;
    }
};
}  // namespace

HelpWindow::HelpWindow(QWidget* mainWindow) : QWidget(mainWindow, Qt::Window), mainWindow_(mainWindow)
{
    registerHelpText();
    setObjectName(QStringLiteral("Ajuda"));
    setWindowTitle(QStringLiteral("Ajuda"));
    setWindowIcon(programIcon());

    browser_ = new HelpText(this);
    browser_->setObjectName(QStringLiteral("Texto"));
    browser_->setOpenExternalLinks(false);
    browser_->setOpenLinks(true);

    auto contents = new QPushButton(QStringLiteral("&Conteúdo"), this);
    contents->setObjectName(QStringLiteral("Conteudo"));
    back_ = new QPushButton(QStringLiteral("&Voltar"), this);
    back_->setObjectName(QStringLiteral("Voltar"));
    back_->setEnabled(false);
    auto closeButton = new QPushButton(QStringLiteral("&Fechar"), this);
    closeButton->setObjectName(QStringLiteral("Fechar"));

    auto buttons = new QHBoxLayout;
    buttons->addWidget(contents);
    buttons->addWidget(back_);
    buttons->addStretch(1);
    buttons->addWidget(closeButton);
    auto layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(browser_, 1);

    connect(contents, &QPushButton::clicked, browser_, &QTextBrowser::home);
    connect(back_, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QPushButton::setEnabled);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    auto escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);

    browser_->setSource(QUrl(QString::fromLatin1(kHelpPage)));
}

void HelpWindow::placeBesideMainWindow()
{
    QScreen* screen = mainWindow_ && mainWindow_->screen() ? mainWindow_->screen() : QGuiApplication::primaryScreen();
    const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    const QRect main = mainWindow_ ? mainWindow_->frameGeometry() : QRect(available.topLeft(), QSize(0, 0));
    const int width = qMin(int(qMin(qMax(available.width() / 3, 480), 640) * scale_), available.width() - 16);
    const int height = qMin(qMax(main.height(), 480), available.height() - 40);
    resize(width, height);
    // To the right of the main window when there is room; otherwise against the screen's
    // right edge, over the main window.
    int x = main.right() + 8;
    if (x + width + 16 > available.right())
        x = qMax(available.left(), available.right() - width - 16);
    const int y = qBound(available.top(), main.top(), qMax(available.top(), available.bottom() - height - 40));
    move(x, y);
}

void HelpWindow::setScale(double scale)
{
    scale_ = scale;
    const QFont f = framework::scaledFont();
    setFont(f);
    browser_->document()->setDefaultFont(f);
    if (placed_)
        placeBesideMainWindow();
}

void HelpWindow::showContents()
{
    if (!placed_) {
        placed_ = true;
        placeBesideMainWindow();
    }
    browser_->home();
    if (isMinimized())
        showNormal();
    else
        show();
    raise();
    activateWindow();
    browser_->setFocus(Qt::OtherFocusReason);
}

}  // namespace shell
