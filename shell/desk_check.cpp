#include "shell/desk_check.h"

#include "framework/controls.h"
#include "framework/form.h"
#include "framework/run_cycle.h"

#include <QApplication>
#include <QHeaderView>
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
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    setWidget(table_);
    connect(table_, &QTableWidget::currentCellChanged, this, [this](int row) {
        if (!choosing_ && row >= 0)
            choose(row + 1);
    });
}

RunCycle* DeskCheck::cycle() const { return form_ ? form_->run() : nullptr; }

void DeskCheck::follow(framework::Form* form)
{
    if (form == form_)
        return;
    if (RunCycle* old = cycle())
        disconnect(old, nullptr, this, nullptr);
    form_ = form;
    if (RunCycle* c = cycle()) {
        connect(c, &RunCycle::stepped, this, &DeskCheck::append);
        connect(c, &RunCycle::traceCleared, this, &DeskCheck::rebuild);
        connect(c, &RunCycle::moved, this, &DeskCheck::showChosen);
        connect(c, &QObject::destroyed, this, [this] { follow(nullptr); });
    }
    rebuild();
}

QStringList DeskCheck::columns() const
{
    QStringList headings;
    for (int c = 0; c < table_->columnCount(); ++c)
        headings << table_->horizontalHeaderItem(c)->text();
    return headings;
}

int DeskCheck::rows() const { return table_->rowCount(); }

QStringList DeskCheck::row(int row) const
{
    QStringList fields;
    if (row < 1 || row > table_->rowCount())
        return fields;
    for (int c = 0; c < table_->columnCount(); ++c)
        fields << table_->item(row - 1, c)->text();
    return fields;
}

void DeskCheck::rebuild()
{
    table_->clear();
    table_->setRowCount(0);
    const RunCycle* c = cycle();
    QStringList headings = c ? c->columns() : QStringList();
    if (c)
        headings << kWhat;
    table_->setColumnCount(int(headings.size()));
    table_->setHorizontalHeaderLabels(headings);
    selected_ = 0;
    append();
}

void DeskCheck::append()
{
    const RunCycle* c = cycle();
    if (!c) {
        table_->setRowCount(0);
        return;
    }
    const auto& trace = c->trace();
    // The rows before the step just made are as they were; a click after going back made it
    // in place of the steps that came after.
    const int keep = qMin(table_->rowCount(), c->firstRowOf(c->shownStep()));
    table_->setRowCount(int(trace.size()));
    const int columns = table_->columnCount();
    for (int r = keep; r < int(trace.size()); ++r) {
        const framework::TraceRow& row = trace[size_t(r)];
        for (int col = 0; col < columns; ++col) {
            const bool said = col == columns - 1;
            const QString text = said ? row.said : row.values.value(col);
            auto item = new QTableWidgetItem(text);
            if (!said) {
                const QString before = r > 0 ? trace[size_t(r) - 1].values.value(col) : QString();
                if (text != before && !text.isEmpty()) {
                    item->setBackground(kChanged);
                    QFont bold = table_->font();
                    bold.setBold(true);
                    item->setFont(bold);
                    item->setData(Qt::AccessibleDescriptionRole, QStringLiteral("mudou neste passo"));
                }
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            }
            table_->setItem(r, col, item);
        }
    }
    selected_ = c->rowsShown();
    showChosen();
}

void DeskCheck::choose(int row)
{
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
    const RunCycle* c = cycle();
    const int shownRows = c ? c->rowsShown() : 0;
    // A move that did not come from choosing a row (a command) shows the step's last row.
    if (c && (selected_ > shownRows || selected_ <= c->firstRowOf(c->shownStep())))
        selected_ = shownRows;
    choosing_ = true;
    for (int r = 0; r < table_->rowCount(); ++r) {
        const QBrush brush = r < shownRows ? table_->palette().text() : QBrush(kLater);
        for (int col = 0; col < table_->columnCount(); ++col)
            if (QTableWidgetItem* item = table_->item(r, col); item && item->foreground() != brush)
                item->setForeground(brush);
    }
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
    QFont f = font();
    f.setPointSizeF(QApplication::font().pointSizeF() * scale);
    table_->setFont(f);
}

}  // namespace shell
