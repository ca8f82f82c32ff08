#include "shell/main_window.h"

#include "framework/controls.h"
#include "framework/form.h"
#include "problems/problems.h"
#include "shell/about_form.h"
#include "shell/artwork.h"
#include "shell/help_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QProxyStyle>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>

#include <algorithm>
#include <vector>

namespace shell {

using framework::Form;

namespace {

// A title bar as high as its font needs, so that a window's title stays whole at every zoom
// (the style's own height is made for the normal size); its buttons grow with it.
class TitleBars : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override
    {
        const int base = QProxyStyle::pixelMetric(metric, option, widget);
        if (metric != PM_TitleBarHeight || !widget)
            return base;
        return qMax(base, widget->fontMetrics().height() + 8);
    }
};

QStyle* titleBars()
{
    static QPointer<QStyle> style;
    if (!style) {
        style = new TitleBars;
        style->setParent(qApp);
    }
    return style;
}

// The windows that a problem command or "&Sobre" hides, in their order: the About window, then
// the problem windows by their rank.
std::vector<QString> hiddenWindows()
{
    std::vector<const problems::Problem*> ranked;
    for (const problems::Problem& p : problems::all())
        if (p.hideRank > 0)
            ranked.push_back(&p);
    std::sort(ranked.begin(), ranked.end(), [](auto a, auto b) { return a->hideRank < b->hideRank; });
    std::vector<QString> names{QStringLiteral("AboutForm")};
    for (const problems::Problem* p : ranked)
        names.push_back(QString::fromUtf8(p->form));
    return names;
}

}  // namespace

Form* createForm(const QString& name)
{
    if (name == QLatin1String("AboutForm"))
        return new AboutForm;
    for (const problems::Problem& p : problems::all())
        if (name == QString::fromUtf8(p.form))
            return p.create();
    return nullptr;
}

QString startNotice()
{
    return QString(38, QLatin1Char(' ')) +
           QStringLiteral("Para desativar esta barra, click em arquivo/Parar animação  ou  ( CTRL+S )");
}

QString contactMessage()
{
    return QStringLiteral("Dúvida ou sugestões: procure o professor da disciplina");
}

Zarpa01::Zarpa01()
{
    // The desktop entry that the installed program goes by (its icon and name in the desktop).
    QGuiApplication::setDesktopFileName(QStringLiteral("org.matravel.Matravel"));
    setObjectName(QStringLiteral("Zarpa01"));
    setWindowTitle(QStringLiteral("  "));
    setWindowIcon(programIcon());
    framework::setHost(this);

    mdi_ = new QMdiArea(this);
    mdi_->setObjectName(QStringLiteral("Workspace"));
    mdi_->setBackground(framework::toQColor(framework::ole::AppWorkspace));
    mdi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdi_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(mdi_);

    statusBar_ = new QStatusBar(this);
    statusBar_->setObjectName(QStringLiteral("StatusBar"));
    statusBar_->setSizeGripEnabled(false);
    statusBar_->setFixedHeight(framework::px(495));
    statusLabel_ = new QLabel(startNotice(), statusBar_);
    statusLabel_->setTextFormat(Qt::PlainText);
    statusLabel_->setFont(framework::makeFont(framework::Panel));
    statusLabel_->setMinimumWidth(1);
    // The longest statements are wider than the main window at its own size: they go on a
    // second line, which the bar's height holds, rather than losing their end at the edge.
    statusLabel_->setWordWrap(true);
    statusLabel_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    statusBar_->addWidget(statusLabel_, 1);
    setStatusBar(statusBar_);

    buildMenus();

    timer_ = new QTimer(this);
    timer_->setObjectName(QStringLiteral("Timer1"));
    connect(timer_, &QTimer::timeout, this, [this] { Temporizador(); });
    timer_->start(600);

    resize(framework::px(9675), framework::px(6975) + menuBar()->sizeHint().height());
    qApp->installEventFilter(this);
    MDIForm_Load();
}

Zarpa01::~Zarpa01()
{
    // The windows and panels go after this part of the object: what they say as they go (a
    // window activated, a panel hidden) reaches it no more.
    for (QObject* child : findChildren<QObject*>())
        child->disconnect(this);
    qApp->removeEventFilter(this);
    if (framework::host() == this)
        framework::setHost(nullptr);
}

QAction* Zarpa01::addItem(QWidget* menu, const char* name, const QString& caption, const QKeySequence& key)
{
    auto action = new QAction(caption, this);
    action->setObjectName(QString::fromUtf8(name));
    action->setShortcut(key);
    menu->addAction(action);
    return action;
}

void Zarpa01::buildMenus()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MenuBar"));

    QMenu* arq = bar->addMenu(QStringLiteral("&Arquivo"));
    arq->setObjectName(QStringLiteral("MnUArq"));
    connect(addItem(arq, "MnuStop", QStringLiteral("Parar_Animação"), QKeySequence(Qt::CTRL | Qt::Key_S)),
            &QAction::triggered, this, [this] { MnuStop_Click(); });
    connect(addItem(arq, "MnuAnimar", QStringLiteral("Animar"), QKeySequence(Qt::CTRL | Qt::Key_A)),
            &QAction::triggered, this, [this] { MnuAnimar_Click(); });
    connect(addItem(arq, "Mnu_Esconder_questão", QStringLiteral("Esconder Questão"), QKeySequence(Qt::CTRL | Qt::Key_E)),
            &QAction::triggered, this, [this] { Mnu_Esconder_questao_Click(); });
    connect(addItem(arq, "Mnu_Mostrar_Questão", QStringLiteral("Mostrar Questão"), QKeySequence(Qt::CTRL | Qt::Key_D)),
            &QAction::triggered, this, [this] { Mnu_Mostrar_Questao_Click(); });
    arq->addSeparator()->setObjectName(QStringLiteral("esp"));
    connect(addItem(arq, "Mnufechar", QStringLiteral("&Fechar"), QKeySequence(Qt::CTRL | Qt::Key_Q)),
            &QAction::triggered, this, [this] { Mnufechar_Click(); });

    QMenu* escolha = bar->addMenu(QStringLiteral("&Escolha"));
    escolha->setObjectName(QStringLiteral("MnuEscolha"));
    // The problems in their order, each method of a problem in its submenu.
    QMenu* submenu = nullptr;
    const problems::Submenu* current = nullptr;
    for (const problems::Problem& p : problems::all()) {
        if (p.submenu != current) {
            current = p.submenu;
            submenu = nullptr;
            if (current) {
                submenu = escolha->addMenu(QString::fromUtf8(current->caption));
                submenu->setObjectName(QString::fromUtf8(current->name));
                submenu->menuAction()->setObjectName(QString::fromUtf8(current->name));
            }
        }
        const QString form = QString::fromUtf8(p.form);
        const QString statement = QString::fromUtf8(p.statement);
        const QKeySequence key = p.key ? QKeySequence(p.key) : QKeySequence();
        connect(addItem(submenu ? submenu : escolha, p.menuItem, QString::fromUtf8(p.caption), key),
                &QAction::triggered, this, [this, form, statement] { openProblem(form, statement); });
    }

    buildViewMenu();

    QMenu* ajuda = bar->addMenu(QStringLiteral("Ajuda"));
    ajuda->setObjectName(QStringLiteral("MnuAjuda"));
    connect(addItem(ajuda, "MnuHelp", QStringLiteral("&Ajuda do Programa"), {}), &QAction::triggered, this,
            [this] { MnuHelp_Click(); });
    ajuda->addSeparator()->setObjectName(QStringLiteral("MnuTraço"));
    connect(addItem(ajuda, "MnuAbout", QStringLiteral("&Sobre"), {}), &QAction::triggered, this,
            [this] { MnuAbout_Click(); });
}

QAction* Zarpa01::menuItem(const QString& name) const
{
    for (QAction* a : findChildren<QAction*>())
        if (a->objectName() == name)
            return a;
    return nullptr;
}

QMdiSubWindow* Zarpa01::subWindow(const QString& name) const
{
    for (QMdiSubWindow* w : mdi_->subWindowList())
        if (w->widget() && w->widget()->objectName() == name)
            return w;
    return nullptr;
}

Form* Zarpa01::form(const QString& name) const
{
    QMdiSubWindow* w = subWindow(name);
    return w ? qobject_cast<Form*>(w->widget()) : nullptr;
}

void Zarpa01::setStatusText(const QString& text) { statusLabel_->setText(text); }
QString Zarpa01::statusText() const { return statusLabel_->text(); }

QMdiSubWindow* Zarpa01::ensureWindow(const QString& name)
{
    if (QMdiSubWindow* existing = subWindow(name))
        return existing;
    Form* form = createForm(name);
    if (!form)
        return nullptr;
    QMdiSubWindow* window = mdi_->addSubWindow(form, Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                                         Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    window->setAttribute(Qt::WA_DeleteOnClose);
    // The title bar reads at the zoom of the window under it.
    window->setStyle(titleBars());
    window->setFont(framework::scaledFont());
    window->setWindowIcon(form->windowIcon().isNull() ? programIcon() : form->windowIcon());
    window->hide();
    return window;
}

void Zarpa01::showChild(QMdiSubWindow* window)
{
    if (!window)
        return;
    window->show();
    window->raise();
    mdi_->setActiveSubWindow(window);
    fitChild(window);
    fitDeskCheck();
}

void Zarpa01::fitChild(QMdiSubWindow* window)
{
    // A window larger than the workspace makes the main window grow, as far as the screen
    // allows; beyond that the workspace scrolls. Before the main window is first shown its
    // workspace has not been laid out yet and measures nothing: it opens at its own size,
    // which holds the About window.
    if (!isVisible())
        return;
    // The workspace centres a window wider than itself, which puts its left edge (and its
    // title) out of reach: it stands at the top left corner instead.
    if (window->x() < 0 || window->y() < 0)
        window->move(qMax(0, window->x()), qMax(0, window->y()));
    const QSize view = mdi_->viewport()->size();
    const QRect need = window->geometry();
    const int dw = qMax(0, need.right() + 1 - view.width());
    const int dh = qMax(0, need.bottom() + 1 - view.height());
    if (dw == 0 && dh == 0)
        return;
    QSize target = size() + QSize(dw, dh);
    if (const QScreen* s = screen()) {
        const QSize frame = frameGeometry().size() - size();
        target = target.boundedTo(s->availableGeometry().size() - frame);
    }
    resize(target.expandedTo(size()));
}

void Zarpa01::openProblem(const QString& formName, const QString& statement)
{
    setStatusText(statement);
    Esconder_SubProgramas();
    showChild(ensureWindow(formName));
}

void Zarpa01::Esconder_SubProgramas()
{
    static const std::vector<QString> hidden = hiddenWindows();
    for (const QString& name : hidden)
        if (QMdiSubWindow* window = ensureWindow(name))
            window->hide();
}

void Zarpa01::MDIForm_Load()
{
    menuItem(QStringLiteral("MnuAnimar"))->setEnabled(false);
    showChild(ensureWindow(QStringLiteral("AboutForm")));
}

void Zarpa01::Temporizador()
{
    if (blinkFlag_ != 0) {
        statusBar_->setVisible(true);
        blinkFlag_ = 0;
    } else {
        statusBar_->setVisible(false);
        blinkFlag_ = 1;
    }
}

void Zarpa01::MnuStop_Click()
{
    menuItem(QStringLiteral("MnuAnimar"))->setEnabled(true);
    menuItem(QStringLiteral("MnuStop"))->setEnabled(false);
    timer_->stop();
    statusBar_->setVisible(true);
}

void Zarpa01::MnuAnimar_Click()
{
    menuItem(QStringLiteral("MnuStop"))->setEnabled(true);
    menuItem(QStringLiteral("MnuAnimar"))->setEnabled(false);
    timer_->start(600);
}

void Zarpa01::Mnu_Esconder_questao_Click()
{
    MnuStop_Click();
    statusBar_->setVisible(false);
}

void Zarpa01::Mnu_Mostrar_Questao_Click() { statusBar_->setVisible(true); }

void Zarpa01::Mnufechar_Click()
{
    // The program ends at once: no window's closing handler runs.
    ended_ = true;
    framework::setEnding(true);
    timer_->stop();
    for (QMdiSubWindow* w : mdi_->subWindowList())
        w->close();
    if (help_)
        help_->close();
    hide();
    QCoreApplication::exit(0);
}

void Zarpa01::MnuAbout_Click()
{
    setStatusText(contactMessage());
    Esconder_SubProgramas();
    showChild(ensureWindow(QStringLiteral("AboutForm")));
}

void Zarpa01::MnuHelp_Click()
{
    // The help opens in a window of its own, at its contents; the status bar is left alone.
    if (!help_) {
        help_ = new HelpWindow(this);
        help_->setScale(framework::scale());
    }
    help_->showContents();
}

void Zarpa01::closeEvent(QCloseEvent* event)
{
    // Every child window closes first, hidden ones included, each with its closing handler.
    for (QMdiSubWindow* w : mdi_->subWindowList())
        w->close();
    if (help_)
        help_->close();
    timer_->stop();
    event->accept();
}

bool Zarpa01::eventFilter(QObject* watched, QEvent* event)
{
    // The menu accelerators come before a text box's own keys (Ctrl+A, Ctrl+E, ...), as long
    // as the item is enabled; a disabled item leaves the key to the box.
    if (event->type() == QEvent::ShortcutOverride) {
        auto key = static_cast<QKeyEvent*>(event);
        const QKeySequence pressed(key->keyCombination());
        for (QAction* a : findChildren<QAction*>())
            if (a->isEnabled() && a->shortcuts().contains(pressed)) {
                event->ignore();
                return true;
            }
    }
    // A problem window shown, hidden or closed: the desk check follows the one on screen.
    if (event->type() == QEvent::Show || event->type() == QEvent::Hide) {
        auto window = qobject_cast<QMdiSubWindow*>(watched);
        if (window && window->mdiArea() == mdi_ && !ended_)
            followActiveWindow();
    }
    // A child window that grows after it was shown (a long answer) makes the main window
    // grow with it, as it does when the window opens, and the desk check makes room for it
    // when the window no longer stands whole in the workspace (only then: the panel keeps its
    // size while the student steps through a run).
    if (event->type() == QEvent::Resize) {
        auto window = qobject_cast<QMdiSubWindow*>(watched);
        if (window && window->mdiArea() == mdi_ && window->isVisible()) {
            fitChild(window);
            if (window == mdi_->activeSubWindow() && !mdi_->viewport()->rect().contains(window->geometry()))
                fitDeskCheck();
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace shell
