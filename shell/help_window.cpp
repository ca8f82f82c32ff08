#include "shell/help_window.h"

#include "shell/artwork.h"

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
}  // namespace

HelpWindow::HelpWindow(QWidget* mainWindow) : QWidget(mainWindow, Qt::Window), mainWindow_(mainWindow)
{
    registerHelpText();
    setObjectName(QStringLiteral("Ajuda"));
    setWindowTitle(QStringLiteral("Ajuda"));
    setWindowIcon(programIcon());

    browser_ = new QTextBrowser(this);
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
    const int width = qMin(qMax(available.width() / 3, 480), 640);
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
