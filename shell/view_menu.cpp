// The menu "E&xibir" of the main window: the desk check and the plot, going back a step, the run
// that plays by itself, and the export of the desk check.
#include "framework/controls.h"
#include "framework/form.h"
#include "framework/run_cycle.h"
#include "framework/trace_model.h"
#include "framework/window_state.h"
#include "problems/problems.h"
#include "shell/desk_check.h"
#include "shell/export_file.h"
#include "shell/help_window.h"
#include "shell/main_window.h"
#include "shell/plot_view.h"
#include "shell/prediction.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QFileDialog>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPdfWriter>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QStyle>
#include <QStatusBar>
#include <QTableView>
#include <QTimer>

#include <algorithm>

namespace shell {

namespace {
// The paces of "Executar sozinho", in milliseconds per step.
struct Pace {
    const char* name;
    const char* caption;
    int ms;
};
const Pace kPaces[] = {{"MnuVelocidade05", "0,5 s", 500}, {"MnuVelocidade1", "1 s", 1000}, {"MnuVelocidade2", "2 s", 2000}};

// The sizes of the zoom, in percent.
const int kZooms[] = {100, 125, 150, 200, 250, 300};

QString statementOf(const QString& formName)
{
    for (const problems::Problem& p : problems::all())
        if (formName == QString::fromUtf8(p.form))
            return QString::fromUtf8(p.statement);
    return {};
}
}  // namespace

void Zarpa01::buildViewMenu()
{
    QMenu* view = menuBar()->addMenu(QStringLiteral("E&xibir"));
    view->setObjectName(QStringLiteral("MnuExibir"));
    view->menuAction()->setObjectName(QStringLiteral("MnuExibir"));

    QAction* table = addItem(view, "MnuTesteMesa", QStringLiteral("&Teste de mesa"), QKeySequence(Qt::CTRL | Qt::Key_T));
    table->setCheckable(true);
    connect(table, &QAction::toggled, this, [this](bool on) { showDeskCheck(on); });
    QAction* plot = addItem(view, "MnuGrafico", QStringLiteral("&Gráfico"), QKeySequence(Qt::CTRL | Qt::Key_G));
    plot->setCheckable(true);
    connect(plot, &QAction::toggled, this, [this](bool on) { showPlot(on); });

    // The student writes the next row before seeing it; the desk check shows it to them.
    QAction* predict = addItem(view, "MnuPrever", QStringLiteral("&Prever antes de ver"), QKeySequence(Qt::Key_F9));
    predict->setCheckable(true);
    connect(predict, &QAction::toggled, this, [this, table](bool on) {
        if (on)
            table->setChecked(true);
        deskCheck()->setPredicting(on);
    });

    view->addSeparator();
    connect(addItem(view, "MnuVoltarPasso", QStringLiteral("&Voltar um passo"), QKeySequence(Qt::ALT | Qt::Key_Left)),
            &QAction::triggered, this, [this] { deskCheck()->back(); });
    connect(addItem(view, "MnuAvancarPasso", QStringLiteral("&Avançar um passo"),
                    QKeySequence(Qt::ALT | Qt::Key_Right)),
            &QAction::triggered, this, [this] { stepForward(); });

    view->addSeparator();
    QAction* play = addItem(view, "MnuExecutar", QStringLiteral("&Executar sozinho"), QKeySequence(Qt::CTRL | Qt::Key_R));
    play->setCheckable(true);
    connect(play, &QAction::toggled, this, [this](bool on) { setPlaying(on); });
    QMenu* speed = view->addMenu(QStringLiteral("Ve&locidade"));
    speed->setObjectName(QStringLiteral("MnuVelocidade"));
    speed->menuAction()->setObjectName(QStringLiteral("MnuVelocidade"));
    auto paces = new QActionGroup(this);
    play_ = new QTimer(this);
    play_->setObjectName(QStringLiteral("TimerExecutar"));
    play_->setInterval(1000);
    connect(play_, &QTimer::timeout, this, [this] { playStep(); });
    for (const Pace& pace : kPaces) {
        QAction* a = addItem(speed, pace.name, QString::fromUtf8(pace.caption), {});
        a->setCheckable(true);
        a->setChecked(pace.ms == play_->interval());
        paces->addAction(a);
        connect(a, &QAction::triggered, this, [this, ms = pace.ms] { play_->setInterval(ms); });
    }
    // Esc stops the run that plays by itself.
    auto stop = new QAction(QStringLiteral("Parar"), this);
    stop->setObjectName(QStringLiteral("MnuPararExecucao"));
    stop->setShortcut(QKeySequence(Qt::Key_Escape));
    stop->setShortcutContext(Qt::ApplicationShortcut);
    stop->setEnabled(false);
    addAction(stop);
    connect(stop, &QAction::triggered, this, [this] { setPlaying(false); });

    view->addSeparator();
    QAction* in = addItem(view, "MnuAmpliar", QStringLiteral("A&mpliar"), QKeySequence(Qt::CTRL | Qt::Key_Plus));
    in->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    connect(in, &QAction::triggered, this, [this] {
        for (int z : kZooms)
            if (z > zoom_)
                return setZoom(z);
    });
    connect(addItem(view, "MnuReduzir", QStringLiteral("&Reduzir"), QKeySequence(Qt::CTRL | Qt::Key_Minus)),
            &QAction::triggered, this, [this] {
                for (auto z = std::rbegin(kZooms); z != std::rend(kZooms); ++z)
                    if (*z < zoom_)
                        return setZoom(*z);
            });
    connect(addItem(view, "MnuTamanhoNormal", QStringLiteral("Tamanho &normal"), QKeySequence(Qt::CTRL | Qt::Key_0)),
            &QAction::triggered, this, [this] { setZoom(100); });
    QAction* projector = addItem(view, "MnuCoresProjetor", QStringLiteral("Cores de pro&jetor"), {});
    projector->setCheckable(true);
    connect(projector, &QAction::toggled, this, [this](bool on) { setProjectorColors(on); });

    view->addSeparator();
    connect(addItem(view, "MnuExportar", QStringLiteral("E&xportar teste de mesa..."),
                    QKeySequence(Qt::CTRL | Qt::Key_P)),
            &QAction::triggered, this, [this] { exportChosen(); });

    connect(mdi_, &QMdiArea::subWindowActivated, this, [this] { followActiveWindow(); });
    followActiveWindow();
}

DeskCheck* Zarpa01::deskCheck()
{
    // Made the first time it is asked for: a program whose desk check is never shown does not
    // pay for it.
    if (desk_)
        return desk_;
    desk_ = new DeskCheck(this);
    desk_->hide();
    addDockWidget(Qt::RightDockWidgetArea, desk_);
    desk_->setScale();
    desk_->follow(problem_);
    QAction* table = menuItem(QStringLiteral("MnuTesteMesa"));
    connect(desk_, &QDockWidget::visibilityChanged, this, [this, table] {
        // Closed by its own button, or shown again: the item follows.
        if (!isHidden())
            table->setChecked(desk_->isVisible());
    });
    connect(desk_, &DeskCheck::widened, this, [this] { fitDeskCheck(); });
    // "Executar sozinho" waits while a prediction does, and goes on once it is answered.
    connect(desk_->prediction(), &Prediction::opened, this, [this] {
        if (menuItem(QStringLiteral("MnuExecutar"))->isChecked()) {
            play_->stop();
            menuItem(QStringLiteral("MnuPararExecucao"))->setEnabled(false);
        }
        // The bar above the table may ask for more room.
        fitDeskCheck();
    });
    connect(desk_->prediction(), &Prediction::closed, this, [this] {
        if (menuItem(QStringLiteral("MnuExecutar"))->isChecked()) {
            menuItem(QStringLiteral("MnuPararExecucao"))->setEnabled(true);
            play_->start();
        }
    });
    return desk_;
}

PlotPanel* Zarpa01::plotPanel()
{
    // Made the first time it is asked for, as the desk check is.
    if (plot_)
        return plot_;
    plot_ = new PlotPanel(this);
    plot_->hide();
    addDockWidget(Qt::RightDockWidgetArea, plot_);
    plot_->follow(problem_);
    QAction* item = menuItem(QStringLiteral("MnuGrafico"));
    connect(plot_, &QDockWidget::visibilityChanged, this, [this, item] {
        if (!isHidden())
            item->setChecked(plot_->isVisible());
    });
    return plot_;
}

void Zarpa01::showPlot(bool on)
{
    if (on == (plot_ && plot_->isVisible()))
        return;
    if (on) {
        followActiveWindow();
        plotPanel()->show();
        plot_->follow(problem_);
        fitPlot();
        // Again once the main window has laid the panel out.
        QMetaObject::invokeMethod(this, &Zarpa01::fitPlot, Qt::QueuedConnection);
    } else {
        plot_->hide();
    }
}

void Zarpa01::fitPlot()
{
    if (!plot_ || !plot_->isVisible() || zooming_)
        return;
    const QSize least = plot_->leastSize();
    if (desk_ && desk_->isVisible()) {
        // With the desk check: under it when it stands beside the window (as wide as the
        // table, or wider), beside it when it stands below (the table keeps the rest).
        const Qt::DockWidgetArea area = dockWidgetArea(desk_);
        const bool below = area == Qt::BottomDockWidgetArea;
        if (dockWidgetArea(plot_) != area || (below ? plot_->x() < desk_->x() : plot_->y() < desk_->y())) {
            splitDockWidget(desk_, plot_, below ? Qt::Horizontal : Qt::Vertical);
            QMetaObject::invokeMethod(this, &Zarpa01::fitPlot, Qt::QueuedConnection);
        }
        if (below) {
            const int total = desk_->width() + plot_->width();
            resizeDocks({desk_, plot_}, {qMax(0, total - least.width()), least.width()}, Qt::Horizontal);
        } else {
            // Half the column, or what its texts need.
            const int total = desk_->height() + plot_->height();
            const int room = qMax(least.height(), total / 2);
            resizeDocks({desk_, plot_}, {qMax(0, total - room), room}, Qt::Vertical);
            if (desk_->width() < least.width())
                resizeDocks({plot_}, {least.width()}, Qt::Horizontal);
        }
        return;
    }
    // Alone: beside the active window while the screen leaves room for it there, else below.
    const QMdiSubWindow* active = mdi_->activeSubWindow();
    const int windowRoom = active ? active->geometry().right() + 1 + 8 : 0;
    const QScreen* s = screen();
    const int frame = frameGeometry().width() - width();
    const bool beside = !s || s->availableGeometry().width() - frame - windowRoom >= least.width();
    const Qt::DockWidgetArea area = beside ? Qt::RightDockWidgetArea : Qt::BottomDockWidgetArea;
    if (dockWidgetArea(plot_) != area) {
        addDockWidget(area, plot_);
        QMetaObject::invokeMethod(this, &Zarpa01::fitPlot, Qt::QueuedConnection);
    }
    if (!beside) {
        resizeDocks({plot_}, {least.height()}, Qt::Vertical);
        return;
    }
    // The main window widens as far as the screen lets it, for the window and the plot.
    const int grow = qMax(0, least.width() - plot_->width()) + qMax(0, windowRoom - mdi_->viewport()->width());
    if (s && grow > 0)
        resize(width() + qMin(grow, qMax(0, s->availableGeometry().width() - frame - width())), height());
    resizeDocks({plot_}, {qMax(least.width(), qMin(plot_->width(), width() - windowRoom))}, Qt::Horizontal);
}

void Zarpa01::setZoom(int percent)
{
    if (std::find(std::begin(kZooms), std::end(kZooms), percent) == std::end(kZooms) || percent == zoom_)
        return;
    const double ratio = double(percent) / zoom_;
    zoom_ = percent;
    framework::setScale(percent / 100.0);
    setPlaying(false);
    // The panel is fitted once, when every window stands at its new size.
    zooming_ = true;
    if (desk_ && dockWidgetArea(desk_) != Qt::RightDockWidgetArea)
        addDockWidget(Qt::RightDockWidgetArea, desk_);

    // Every window is made anew at the new size and takes over what the old one showed, with
    // its run and desk check.
    QMdiSubWindow* active = mdi_->activeSubWindow();
    for (QMdiSubWindow* sub : mdi_->subWindowList()) {
        auto old = qobject_cast<framework::Form*>(sub->widget());
        if (!old)
            continue;
        framework::Form* made = createForm(old->objectName());
        if (!made)
            continue;
        if (old->run() && made->run())
            made->run()->adopt(*old->run());
        else
            framework::WindowState::of(*old).restore(*made);
        const QPoint place = sub->pos();
        const bool hidden = sub->isHidden();
        sub->setWidget(made);
        const bool followed = old == problem_;
        delete old;
        if (followed) {
            problem_ = made;
            if (desk_)
                desk_->follow(made);
            if (plot_)
                plot_->follow(made);
        }
        sub->setFont(framework::scaledFont());
        made->show();
        sub->adjustSize();
        sub->setVisible(!hidden);
        sub->move(int(place.x() * ratio), int(place.y() * ratio));
    }
    const QFont menus = framework::scaledFont();
    menuBar()->setFont(menus);
    // The drop-down menus and the help read at the same size as the bar.
    for (QMenu* menu : menuBar()->findChildren<QMenu*>())
        menu->setFont(menus);
    if (help_)
        help_->setScale(framework::scale());
    statusLabel_->setFont(framework::makeFont(framework::Panel));
    statusBar_->setFixedHeight(framework::px(495));
    if (desk_)
        desk_->setScale();
    if (plot_)
        plot_->setScale();
    followActiveWindow();

    // The main window at its own size, grown for the active window and the desk check,
    // as it opens at this zoom (the panel went back beside the window above, and fitDeskCheck
    // moves it below again if this zoom leaves it no room there).
    QSize own(framework::px(9675), framework::px(6975) + menuBar()->sizeHint().height());
    if (const QScreen* s = screen())
        own = own.boundedTo(s->availableGeometry().size() - (frameGeometry().size() - size()));
    resize(own);
    if (active) {
        mdi_->setActiveSubWindow(active);
        fitChild(active);
    }
    zooming_ = false;
    fitDeskCheck();
}

void Zarpa01::setProjectorColors(bool on)
{
    // Every window open, and every one opened or made anew at another zoom later, paints its
    // texts in the projector colours; the desk check's greyed rows too.
    framework::setProjectorColors(on);
    if (desk_)
        desk_->table()->viewport()->update();
    // The plot's strokes thicken with its colours.
    if (plot_)
        plot_->setScale();
}

void Zarpa01::followActiveWindow()
{
    // The desk check follows the problem window the student sees: the active one; else the
    // one it followed, while that stays on screen; else the topmost problem window on screen;
    // else none. "Executar sozinho" stays with its window: it stops when another is followed.
    const auto problemIn = [](QMdiSubWindow* w) -> framework::Form* {
        auto form = w && w->isVisible() ? qobject_cast<framework::Form*>(w->widget()) : nullptr;
        return form && form->run() ? form : nullptr;
    };
    framework::Form* form = problemIn(mdi_->activeSubWindow());
    if (!form && problem_ && problem_->isVisible())
        form = problem_;
    const QList<QMdiSubWindow*> stack = mdi_->subWindowList(QMdiArea::StackingOrder);
    for (auto w = stack.rbegin(); !form && w != stack.rend(); ++w)
        form = problemIn(*w);
    if (form != problem_)
        setPlaying(false);
    problem_ = form;
    if (desk_)
        desk_->follow(form);
    if (plot_)
        plot_->follow(form);
    // What acts on a run needs a problem window on screen.
    for (const char* item : {"MnuVoltarPasso", "MnuAvancarPasso", "MnuExecutar", "MnuExportar"})
        menuItem(QString::fromLatin1(item))->setEnabled(form != nullptr);
}

void Zarpa01::showDeskCheck(bool on)
{
    if (on == (desk_ && desk_->isVisible()))
        return;
    if (on) {
        followActiveWindow();
        deskCheck()->show();
        // From the keyboard alone: the arrows choose the step at once.
        desk_->table()->setFocus(Qt::ShortcutFocusReason);
    } else {
        desk_->hide();
        // Predicting needs the table.
        menuItem(QStringLiteral("MnuPrever"))->setChecked(false);
    }
}

void Zarpa01::fitDeskCheck()
{
    // The plot goes with the desk check, wherever it stands.
    const auto plotToo = qScopeGuard([this] { fitPlot(); });
    if (!desk_ || !desk_->isVisible() || zooming_)
        return;
    // The table wants its columns whole, and the active window its own room in the workspace
    // (which the panel, shown again, may have taken).
    const QMdiSubWindow* active = mdi_->activeSubWindow();
    const int want = desk_->neededWidth();
    // The active window's width in the workspace, and the workspace's scroll bar beside it
    // when the window is taller than the workspace.
    int windowRoom = 0;
    if (active) {
        windowRoom = active->geometry().right() + 1 + 8;
        if (active->geometry().bottom() + 1 > mdi_->contentsRect().height())
            windowRoom += mdi_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, mdi_);
    }
    // Beside the window while the screen leaves room there for every column whole (the
    // sentences wrapped at their least width); else below it, across the whole width.
    if (const QScreen* s = screen()) {
        const QRect available = s->availableGeometry();
        const QSize frame = frameGeometry().size() - size();
        const int beside = available.width() - frame.width() - windowRoom;
        const Qt::DockWidgetArea area = beside < desk_->leastWidth() ? Qt::BottomDockWidgetArea : Qt::RightDockWidgetArea;
        if (dockWidgetArea(desk_) != area) {
            addDockWidget(area, desk_);
            // Sized again once the main window has laid the panel out in its new place.
            QMetaObject::invokeMethod(this, &Zarpa01::fitDeskCheck, Qt::QueuedConnection);
        }
        if (area == Qt::BottomDockWidgetArea) {
            // As large as the screen allows; the table takes what the window leaves under it,
            // at least its headings and a row (its rows scroll). A window taller than the
            // screen scrolls anyway: then the table takes two fifths.
            const int tallest = available.height() - frame.height();
            const int widest = available.width() - frame.width();
            if (height() < tallest || width() < widest)
                resize(qMax(width(), widest), qMax(height(), tallest));
            const int bars = menuBar()->height() + (statusBar_->isVisible() ? statusBar_->height() : 0);
            const int mdiFrame = mdi_->height() - mdi_->contentsRect().height();
            int windowBottom = active ? active->geometry().bottom() + 1 + 8 : 0;
            if (active && active->geometry().right() + 1 > width() - mdiFrame)
                windowBottom += mdi_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, mdi_);
            const int under = height() - bars - mdiFrame - windowBottom;
            const bool windowWhole = windowBottom <= tallest - bars - mdiFrame - desk_->leastHeight();
            const int dock = windowWhole ? qMax(under, desk_->leastHeight()) : qMax(under, height() * 2 / 5);
            resizeDocks({desk_}, {dock}, Qt::Vertical);
            desk_->showChosen();
            return;
        }
    }
    const int dockGrow = qMax(0, want - desk_->width());
    const int workspaceGrow = qMax(0, windowRoom - mdi_->viewport()->width());
    if (dockGrow + workspaceGrow == 0)
        return;
    // The main window widens as far as the screen lets it; beyond that the table takes room
    // from the workspace, but never the active window's, and scrolls.
    if (const QScreen* s = screen()) {
        const int frame = frameGeometry().width() - width();
        const int room = s->availableGeometry().width() - frame - width();
        if (room > 0)
            resize(width() + qMin(dockGrow + workspaceGrow, room), height());
    }
    const int most = width() - windowRoom;
    const int dock = qMax(qMin(desk_->width(), most), qMin(want, most));
    if (dock > 0)
        resizeDocks({desk_}, {dock}, Qt::Horizontal);
}

void Zarpa01::stepForward()
{
    framework::Form* form = problem_;
    framework::RunCycle* cycle = form ? form->run() : nullptr;
    if (!cycle)
        return;
    // The next row when the table has one; at the last, the command that continues the run.
    // While the student predicts, a step not seen yet waits for its prediction first.
    if (deskCheck()->prediction()->ask())
        return;
    if (cycle->shownStep() < deskCheck()->rows())
        deskCheck()->forward();
    else if (QPushButton* next = cycle->nextCommand())
        next->click();
}

void Zarpa01::setPlaying(bool on)
{
    QAction* item = menuItem(QStringLiteral("MnuExecutar"));
    if (on) {
        framework::Form* form = problem_;
        if (!form || !form->run() || !form->run()->canContinue())
            on = false;
    }
    if (item->isChecked() != on) {
        item->setChecked(on);  // comes back here through toggled
        return;
    }
    menuItem(QStringLiteral("MnuPararExecucao"))->setEnabled(on);
    if (on)
        play_->start();
    else
        play_->stop();
}

void Zarpa01::playStep()
{
    framework::Form* form = problem_;
    framework::RunCycle* cycle = form ? form->run() : nullptr;
    if (!cycle || !cycle->canContinue() || !form->isVisible()) {
        setPlaying(false);
        return;
    }
    // A message box that the step shows waits for OK: no other beat comes meanwhile.
    play_->stop();
    stepForward();
    if (deskCheck()->prediction()->waiting())
        return;  // goes on once the prediction is answered
    const framework::Step::Run end = cycle->endOf(cycle->shownStep());
    if (end == framework::Step::Run::GoesOn && cycle->canContinue() && menuItem(QStringLiteral("MnuExecutar"))->isChecked())
        play_->start();
    else
        setPlaying(false);
}

void Zarpa01::exportChosen()
{
    if (!problem_ || !problem_->isVisible())
        return;
    // Qt's own dialog, in Portuguese like the rest of the program; the kind chosen decides
    // the file's kind and adds its ending.
    auto dialog = new QFileDialog(this, QStringLiteral("Exportar teste de mesa"));
    dialog->setObjectName(QStringLiteral("DialogoExportar"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    // Replacing a file is asked below, as a box of the program's own.
    dialog->setOption(QFileDialog::DontConfirmOverwrite);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setNameFilters(exportKinds());
    dialog->selectFile(problem_->windowTitle().trimmed());
    connect(dialog, &QFileDialog::fileSelected, this, [this, dialog](const QString& chosen) {
        const QString file = withKind(chosen, dialog->selectedNameFilter());
        if (!QFileInfo::exists(file))
            return exportTo(file);
        auto ask = new QMessageBox(QMessageBox::Question, QStringLiteral("Exportar teste de mesa"),
                                   QStringLiteral("O arquivo %1 já existe. Deseja substituí-lo?")
                                       .arg(QDir::toNativeSeparators(file)),
                                   QMessageBox::Yes | QMessageBox::No, this);
        ask->setObjectName(QStringLiteral("SubstituirArquivo"));
        ask->setAttribute(Qt::WA_DeleteOnClose);
        ask->setDefaultButton(QMessageBox::Yes);
        connect(ask, &QMessageBox::accepted, this, [this, file] { exportTo(file); });
        ask->open();
    });
    dialog->open();
}

QStringList Zarpa01::exportKinds() { return {QStringLiteral("Documento PDF (*.pdf)"), QStringLiteral("Planilha CSV (*.csv)")}; }

QString Zarpa01::withKind(const QString& file, const QString& kind)
{
    const QString ending = kind.contains(QLatin1String("*.csv")) ? QStringLiteral(".csv") : QStringLiteral(".pdf");
    return file.endsWith(ending, Qt::CaseInsensitive) ? file : file + ending;
}

void Zarpa01::exportTo(const QString& file)
{
    QString why;
    if (!exportDeskCheck(file, &why))
        framework::messageBox(QStringLiteral("Não foi possível gravar o arquivo %1: %2").arg(QDir::toNativeSeparators(file), why),
                              framework::Exclamation);
}

bool Zarpa01::exportDeskCheck(const QString& file, QString* why)
{
    framework::Form* form = problem_;
    if (!form || !form->run()) {
        if (why)
            *why = QStringLiteral("nenhuma janela de problema está aberta");
        return false;
    }
    QByteArray bytes;
    if (file.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive)) {
        // With a byte-order mark, so that spreadsheets read the accents as UTF-8.
        bytes = "\xEF\xBB\xBF" + deskCheck()->csv().toUtf8();
    } else {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&buffer);
        printDeskCheck(pdf, *form, *form->run()->model(), statementOf(form->objectName()));
    }
    return writeWhole(file, bytes, why);
}

}  // namespace shell
