// The menu "E&xibir" of the main window: the desk check, going back a step, the run that plays
// by itself, and the export of the desk check.
#include "framework/form.h"
#include "framework/run_cycle.h"
#include "framework/window_state.h"
#include "problems/problems.h"
#include "shell/desk_check.h"
#include "shell/main_window.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPdfWriter>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTableWidget>
#include <QTextDocument>
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

    view->addSeparator();
    connect(addItem(view, "MnuExportar", QStringLiteral("E&xportar teste de mesa..."),
                    QKeySequence(Qt::CTRL | Qt::Key_P)),
            &QAction::triggered, this, [this] { exportChosen(); });

    connect(mdi_, &QMdiArea::subWindowActivated, this, [this] { followActiveWindow(); });
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
    desk_->setScale(framework::scale());
    desk_->follow(problem_);
    QAction* table = menuItem(QStringLiteral("MnuTesteMesa"));
    connect(desk_, &QDockWidget::visibilityChanged, this, [this, table] {
        // Closed by its own button, or shown again: the item follows.
        if (!isHidden())
            table->setChecked(desk_->isVisible());
    });
    connect(desk_, &DeskCheck::widened, this, [this] { fitDeskCheck(); });
    return desk_;
}

void Zarpa01::setZoom(int percent)
{
    if (std::find(std::begin(kZooms), std::end(kZooms), percent) == std::end(kZooms) || percent == zoom_)
        return;
    const double ratio = double(percent) / zoom_;
    zoom_ = percent;
    framework::setScale(percent / 100.0);
    setPlaying(false);

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
        }
        made->show();
        sub->adjustSize();
        sub->setVisible(!hidden);
        sub->move(int(place.x() * ratio), int(place.y() * ratio));
    }
    QFont menus = QApplication::font();
    menus.setPointSizeF(menus.pointSizeF() * framework::scale());
    menuBar()->setFont(menus);
    statusLabel_->setFont(framework::makeFont(framework::Panel));
    statusBar_->setFixedHeight(framework::px(495));
    if (desk_)
        desk_->setScale(framework::scale());
    followActiveWindow();

    // The main window at its designed size, grown for the active window and the desk check.
    QSize designed(framework::px(9675), framework::px(6975) + menuBar()->sizeHint().height());
    if (const QScreen* s = screen())
        designed = designed.boundedTo(s->availableGeometry().size() - (frameGeometry().size() - size()));
    resize(designed);
    if (active) {
        mdi_->setActiveSubWindow(active);
        fitChild(active);
    }
    fitDeskCheck();
}

void Zarpa01::followActiveWindow()
{
    // The desk check shows the problem window shown last; the About window and moments with
    // no active window leave it as it is.
    QMdiSubWindow* active = mdi_->activeSubWindow();
    auto form = active ? qobject_cast<framework::Form*>(active->widget()) : nullptr;
    if (form && form->run()) {
        problem_ = form;
        if (desk_)
            desk_->follow(form);
    }
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
    }
}

void Zarpa01::fitDeskCheck()
{
    if (!desk_ || !desk_->isVisible())
        return;
    // The table wants its columns whole, and the active window its own room in the workspace
    // (which the panel, shown again, may have taken).
    const QMdiSubWindow* active = mdi_->activeSubWindow();
    const int want = desk_->neededWidth();
    const int dockGrow = qMax(0, want - desk_->width());
    const int workspaceGrow = active ? qMax(0, active->geometry().right() + 1 + 8 - mdi_->viewport()->width()) : 0;
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
    const int keep = active ? active->geometry().right() + 1 + 8 : 0;
    const int most = width() - keep;
    const int dock = qMax(qMin(desk_->width(), most), qMin(want, most));
    if (dock > 0)
        resizeDocks({desk_}, {dock}, Qt::Horizontal);
}

void Zarpa01::stepForward()
{
    framework::Form* form = problem_;
    framework::RunCycle* cycle = form ? form->run() : nullptr;
    if (QPushButton* next = cycle ? cycle->nextCommand() : nullptr)
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
    const framework::Step::Run end = cycle->endOf(cycle->shownStep());
    if (end == framework::Step::Run::GoesOn && cycle->canContinue() && menuItem(QStringLiteral("MnuExecutar"))->isChecked())
        play_->start();
    else
        setPlaying(false);
}

void Zarpa01::exportChosen()
{
    if (!problem_)
        return;
    const QString file = QFileDialog::getSaveFileName(
        this, QStringLiteral("Exportar teste de mesa"), problem_->windowTitle().trimmed(),
        QStringLiteral("Documento PDF (*.pdf);;Planilha CSV (*.csv)"));
    if (file.isEmpty())
        return;
    if (!exportDeskCheck(file))
        framework::messageBox(QStringLiteral("Não foi possível gravar o arquivo %1").arg(file), framework::Exclamation);
}

bool Zarpa01::exportDeskCheck(const QString& file)
{
    framework::Form* form = problem_;
    if (!form)
        return false;
    DeskCheck* desk = deskCheck();
    if (file.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive)) {
        QFile out(file);
        if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return false;
        const QByteArray text = desk->csv().toUtf8();
        return out.write(text) == text.size();
    }

    // The PDF: the window's title, the statement, a picture of the window as it is now, and
    // the table, as the screen shows them.
    QPdfWriter pdf(file);
    // A table of many columns is laid across the page, in smaller letters.
    const int columns = int(desk->columns().size());
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), columns > 8 ? QPageLayout::Landscape : QPageLayout::Portrait,
                                  QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
    pdf.setResolution(300);
    pdf.setTitle(form->windowTitle().trimmed());
    pdf.setCreator(QStringLiteral("Matravel"));

    QTextDocument doc;
    QString html = QStringLiteral("<h2>%1</h2><p>%2</p><p><img src=\"janela.png\"></p><h3>Teste de mesa</h3>")
                       .arg(form->windowTitle().trimmed().toHtmlEscaped(), statementOf(form->objectName()).toHtmlEscaped());
    html += QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"2\" style=\"font-size: %1pt\">"
                           "<tr><th>Passo</th>")
                .arg(columns > 12 ? 6 : 8);
    for (const QString& heading : desk->columns())
        html += QStringLiteral("<th>%1</th>").arg(heading.toHtmlEscaped());
    html += QStringLiteral("</tr>");
    const QTableWidget* table = desk->table();
    for (int r = 1; r <= desk->rows(); ++r) {
        html += QStringLiteral("<tr><td align=\"right\">%1</td>").arg(r);
        const QStringList fields = desk->row(r);
        for (int c = 0; c < fields.size(); ++c) {
            const QTableWidgetItem* item = table->item(r - 1, c);
            const bool changed = item && item->font().bold();
            const QString text = fields[c].toHtmlEscaped();
            html += c + 1 < fields.size()
                        ? QStringLiteral("<td align=\"right\" nowrap%1>%2</td>")
                              .arg(changed ? QStringLiteral(" bgcolor=\"#fff3a0\"") : QString(),
                                   changed ? QStringLiteral("<b>%1</b>").arg(text) : text)
                        : QStringLiteral("<td>%1</td>").arg(text);
        }
        html += QStringLiteral("</tr>");
    }
    html += QStringLiteral("</table>");
    doc.setHtml(html);
    // The picture is as wide as the page at most.
    const QSizeF page = pdf.pageLayout().paintRect(QPageLayout::Point).size();
    doc.setPageSize(page);
    const QImage picture = form->grab().toImage();
    const double fit = qMin(1.0, (page.width() - 40) / qMax(1, picture.width()));
    doc.addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("janela.png")),
                    picture.scaledToWidth(int(picture.width() * fit), Qt::SmoothTransformation));
    doc.print(&pdf);
    return QFile::exists(file) && QFile(file).size() > 0;
}

}  // namespace shell
