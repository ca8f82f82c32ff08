#include "shell/desk_check.h"

#include "framework/controls.h"
#include "framework/form.h"
#include "framework/run_cycle.h"

#include <QApplication>
#include <QFontMetrics>
#include <QHeaderView>
#include <QScrollBar>
#include <QTableWidget>

namespace shell {

using framework::RunCycle;

namespace {
const QString kWhat = QStringLiteral("O que aconteceu");
// A value that changed at its step stands out; rows after the step shown are greyed.
const QColor kChanged(255, 243, 160);
const QColor kLater(128, 128, 128);

QString csvField(const QString& text)
{
    if (!text.contains(QLatin1Char(';')) && !text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\n')))
        return text;
    return QLatin1Char('"') + QString(text).replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
}
}  // namespace

DeskCheck::DeskCheck(QWidget* parent) : QDockWidget(QStringLiteral("Teste de mesa"), parent)
{
    setObjectName(QStringLiteral("Teste_de_mesa"));
    setAccessibleName(QStringLiteral("Teste de mesa"));
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable);
    setAllowedAreas(Qt::RightDockWidgetArea | Qt::LeftDockWidgetArea | Qt::BottomDockWidgetArea);

    table_ = new QTableWidget(this);
    table_->setObjectName(QStringLiteral("Tabela"));
    table_->setAccessibleName(QStringLiteral("Tabela do teste de mesa"));
    table_->setAccessibleDescription(
        QStringLiteral("Uma linha por passo; as setas escolhem o passo que a janela mostra"));
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setWordWrap(false);
    table_->setTextElideMode(Qt::ElideNone);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->horizontalHeader()->setStretchLastSection(false);
    // One height for every row, so that a long run costs nothing to lay out.
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
    setWidget(table_);
    connect(table_, &QTableWidget::currentCellChanged, this, [this](int row) {
        if (!choosing_ && row >= 0)
            choose(row + 1);
    });
}

RunCycle* DeskCheck::cycle() const { return form_ ? form_->run() : nullptr; }

QTableWidget* DeskCheck::table() const
{
    sync();
    return table_;
}

void DeskCheck::sync() const
{
    if (stale_) {
        stale_ = false;
        const_cast<DeskCheck*>(this)->fill(0);
    }
}

void DeskCheck::showEvent(QShowEvent* event)
{
    QDockWidget::showEvent(event);
    sync();
    // Once the main window has laid the panel out.
    QMetaObject::invokeMethod(this, &DeskCheck::widened, Qt::QueuedConnection);
}

int DeskCheck::neededWidth() const
{
    sync();
    const int frame = 2 * table_->frameWidth();
    const int scrollBar = table_->verticalScrollBar()->sizeHint().width();
    return table_->verticalHeader()->width() + table_->horizontalHeader()->length() + frame + scrollBar + 8;
}

void DeskCheck::follow(framework::Form* form)
{
    if (form == form_)
        return;
    if (form_) {
        disconnect(form_, nullptr, this, nullptr);
        if (RunCycle* old = cycle())
            disconnect(old, nullptr, this, nullptr);
    }
    form_ = form;
    if (RunCycle* c = cycle()) {
        connect(c, &RunCycle::stepped, this, &DeskCheck::append);
        connect(c, &RunCycle::traceCleared, this, &DeskCheck::rebuild);
        connect(c, &RunCycle::moved, this, &DeskCheck::showChosen);
        // A closed window takes its desk check with it.
        connect(form, &QObject::destroyed, this, [this] {
            form_ = nullptr;
            rebuild();
        });
    }
    rebuild();
}

QStringList DeskCheck::columns() const
{
    sync();
    QStringList headings;
    for (int c = 0; c < table_->columnCount(); ++c)
        headings << table_->horizontalHeaderItem(c)->text();
    return headings;
}

int DeskCheck::rows() const
{
    sync();
    return table_->rowCount();
}

QStringList DeskCheck::row(int row) const
{
    sync();
    QStringList fields;
    if (row < 1 || row > table_->rowCount())
        return fields;
    for (int c = 0; c < table_->columnCount(); ++c)
        fields << table_->item(row - 1, c)->text();
    return fields;
}

void DeskCheck::rebuild()
{
    selected_ = 0;
    stale_ = true;
    if (isVisible())
        sync();
}

void DeskCheck::fill(int from)
{
    const RunCycle* c = cycle();
    if (from == 0) {
        table_->clear();
        QStringList headings = c ? c->columns() : QStringList();
        if (c)
            headings << kWhat;
        table_->setColumnCount(int(headings.size()));
        table_->setHorizontalHeaderLabels(headings);
    }
    const std::vector<framework::TraceRow> none;
    const auto& trace = c ? c->trace() : none;
    table_->setRowCount(int(trace.size()));
    const int columns = table_->columnCount();
    QFont bold = table_->font();
    bold.setBold(true);
    // Rows after the step shown are greyed.
    const int shownRows = c ? c->rowsShown() : 0;
    const QBrush now = table_->palette().text(), later(kLater);
    for (int r = from; r < int(trace.size()); ++r) {
        const framework::TraceRow& row = trace[size_t(r)];
        for (int col = 0; col < columns; ++col) {
            const bool said = col == columns - 1;
            const QString text = said ? row.said : row.values.value(col);
            auto item = new QTableWidgetItem(text);
            item->setForeground(r < shownRows ? now : later);
            if (!said) {
                const QString before = r > 0 ? trace[size_t(r) - 1].values.value(col) : QString();
                if (text != before && !text.isEmpty()) {
                    item->setBackground(kChanged);
                    item->setFont(bold);
                    item->setData(Qt::AccessibleDescriptionRole, QStringLiteral("mudou neste passo"));
                }
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            }
            table_->setItem(r, col, item);
        }
    }
    greyFrom_ = shownRows;
    showChosen();
}

void DeskCheck::append()
{
    const RunCycle* c = cycle();
    if (!c)
        return;
    // A new step is shown: its last row is chosen.
    selected_ = c->rowsShown();
    if (stale_ || !isVisible()) {
        stale_ = true;
        return;
    }
    // The rows before the step just made are as they were; a click after going back made it
    // in place of the steps that came after.
    fill(qMin(table_->rowCount(), c->firstRowOf(c->shownStep())));
    if (neededWidth() > width())
        emit widened();
}

void DeskCheck::choose(int row)
{
    sync();
    RunCycle* c = cycle();
    if (!c || row < 0 || row > rows())
        return;
    selected_ = row;
    c->goTo(row == 0 ? 0 : c->stepOfRow(row - 1));
    showChosen();
    emit chosen();
}

void DeskCheck::back()
{
    const RunCycle* c = cycle();
    if (!c || c->shownStep() == 0)
        return;
    const int step = c->shownStep() - 1;
    choose(step == 0 ? 0 : c->firstRowOf(step + 1));
}

void DeskCheck::showChosen()
{
    if (stale_)
        return;
    const RunCycle* c = cycle();
    const int shownRows = c ? c->rowsShown() : 0;
    // A move that did not come from choosing a row (a command) shows the step's last row.
    if (c && (selected_ > shownRows || selected_ <= c->firstRowOf(c->shownStep())))
        selected_ = shownRows;
    choosing_ = true;
    // Only the rows between the old and the new end of the step shown change colour.
    const int from = qMax(0, qMin(greyFrom_, shownRows)), to = qMin(table_->rowCount(), qMax(greyFrom_, shownRows));
    for (int r = from; r < to; ++r) {
        const QBrush brush = r < shownRows ? table_->palette().text() : QBrush(kLater);
        for (int col = 0; col < table_->columnCount(); ++col)
            if (QTableWidgetItem* item = table_->item(r, col))
                item->setForeground(brush);
    }
    greyFrom_ = shownRows;
    if (selected_ > 0) {
        table_->setCurrentCell(selected_ - 1, 0);
        table_->selectRow(selected_ - 1);
        table_->scrollToItem(table_->item(selected_ - 1, 0));
    } else {
        table_->clearSelection();
        table_->setCurrentCell(-1, -1);
    }
    choosing_ = false;
}

QString DeskCheck::csv() const
{
    sync();
    QString text;
    const auto line = [](const QStringList& fields) {
        QStringList quoted;
        for (const QString& f : fields)
            quoted << csvField(f);
        return quoted.join(QLatin1Char(';')) + QLatin1Char('\n');
    };
    text += line(columns());
    for (int r = 1; r <= rows(); ++r)
        text += line(row(r));
    return text;
}

void DeskCheck::setScale(double scale)
{
    QFont f = QApplication::font();
    f.setPointSizeF(QApplication::font().pointSizeF() * scale);
    table_->setFont(f);
    table_->horizontalHeader()->setFont(f);
    table_->verticalHeader()->setFont(f);
    table_->verticalHeader()->setDefaultSectionSize(QFontMetrics(f).height() + 6);
    rebuild();
}

}  // namespace shell
