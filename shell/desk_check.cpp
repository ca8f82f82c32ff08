#include "shell/desk_check.h"

#include "framework/form.h"
#include "framework/run_cycle.h"
#include "framework/trace_model.h"

#include <QApplication>
#include <QFontMetrics>
#include <QHeaderView>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTableView>

namespace shell {

using framework::RunCycle;
using framework::TraceModel;

namespace {
QString csvField(const QString& text)
{
    if (!text.contains(QLatin1Char(';')) && !text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\n')))
        return text;
    return QLatin1Char('"') + QString(text).replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
}

// A value that changed at its step is drawn bold.
class Cells : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        if (index.data(TraceModel::ChangedRole).toBool())
            option->font.setBold(true);
    }
};

// The room a cell's text needs beside it.
constexpr int kCellMargin = 12;
}  // namespace

DeskCheck::DeskCheck(QWidget* parent) : QDockWidget(QStringLiteral("Teste de mesa"), parent)
{
    setObjectName(QStringLiteral("Teste_de_mesa"));
    setAccessibleName(QStringLiteral("Teste de mesa"));
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable);
    setAllowedAreas(Qt::RightDockWidgetArea | Qt::LeftDockWidgetArea | Qt::BottomDockWidgetArea);

    table_ = new QTableView(this);
    table_->setObjectName(QStringLiteral("Tabela"));
    table_->setAccessibleName(QStringLiteral("Tabela do teste de mesa"));
    table_->setAccessibleDescription(
        QStringLiteral("Uma linha por passo; as setas escolhem o passo que a janela mostra"));
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setWordWrap(true);
    // Rows that their sentences make tall scroll by the pixel, so that a row's top can stand
    // at the top of the view.
    table_->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    table_->setTextElideMode(Qt::ElideNone);
    table_->setItemDelegate(new Cells(table_));
    // Widths and heights are measured here, once per row, not by the header on every change.
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    table_->horizontalHeader()->setStretchLastSection(false);
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
    setWidget(table_);
    table_->viewport()->installEventFilter(this);
}

bool DeskCheck::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == table_->viewport() && event->type() == QEvent::Resize && !refitQueued_) {
        refitQueued_ = true;
        QMetaObject::invokeMethod(this, [this] {
            refitQueued_ = false;
            fitSentences();
            keepChosenInView();
        }, Qt::QueuedConnection);
    }
    return QDockWidget::eventFilter(watched, event);
}

RunCycle* DeskCheck::cycle() const { return form_ ? form_->run() : nullptr; }

TraceModel* DeskCheck::model() const
{
    const RunCycle* c = cycle();
    return c ? c->model() : nullptr;
}

void DeskCheck::showEvent(QShowEvent* event)
{
    QDockWidget::showEvent(event);
    showChosen();
    // Once the main window has laid the panel out.
    QMetaObject::invokeMethod(this, &DeskCheck::widened, Qt::QueuedConnection);
}

int DeskCheck::widthWith(int sentence) const
{
    const int frame = 2 * table_->frameWidth();
    const int scrollBar = table_->verticalScrollBar()->sizeHint().width();
    int values = 0;
    if (const TraceModel* m = model(); m && widths_.count(m)) {
        const std::vector<int>& columns = widths_.at(m).columns;
        for (size_t c = 0; c + 1 < columns.size(); ++c)
            values += qMax(columns[c], table_->horizontalHeader()->minimumSectionSize());
    }
    return table_->verticalHeader()->width() + values + sentence + frame + scrollBar + 8;
}

int DeskCheck::neededWidth() const
{
    const TraceModel* m = model();
    return widthWith(m && widths_.count(m) ? widths_.at(m).columns.back() : 0);
}

int DeskCheck::leastSentence() const
{
    const TraceModel* m = model();
    const int asked = m && widths_.count(m) ? widths_.at(m).columns.back() : 0;
    return qMin(asked, QFontMetrics(table_->font()).horizontalAdvance(QLatin1Char('n')) * 20 + kCellMargin);
}

int DeskCheck::leastWidth() const { return widthWith(leastSentence()); }

int DeskCheck::leastHeight() const
{
    const int title = height() - widget()->height();
    return title + table_->horizontalHeader()->height() + table_->verticalHeader()->defaultSectionSize() +
           2 * table_->frameWidth() + table_->horizontalScrollBar()->sizeHint().height();
}

void DeskCheck::follow(framework::Form* form)
{
    if (form == form_)
        return;
    if (form_) {
        disconnect(form_, nullptr, this, nullptr);
        if (RunCycle* old = cycle()) {
            disconnect(old, nullptr, this, nullptr);
            disconnect(old->model(), nullptr, this, nullptr);
        }
    }
    form_ = form;
    TraceModel* m = model();
    table_->setModel(m);
    rowsFitted_ = 0;  // a new model's rows start at the default height
    if (RunCycle* c = cycle()) {
        connect(c, &RunCycle::moved, this, &DeskCheck::showChosen);
        connect(c, &RunCycle::stepped, this, [this] {
            showChosen();
            if (isVisible() && neededWidth() > width())
                emit widened();
        });
        connect(m, &QAbstractItemModel::rowsInserted, this, [this] { measure(); });
        connect(m, &QAbstractItemModel::rowsRemoved, this, [this, m] { widths_.erase(m); });
        connect(m, &QAbstractItemModel::modelReset, this, [this, m] {
            widths_.erase(m);
            measure();
            showChosen();
        });
        connect(m, &QObject::destroyed, this, [this, m] { widths_.erase(m); });
        connect(table_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
                [this](const QModelIndex& now) {
                    if (!choosing_ && now.isValid())
                        choose(now.row() + 1);
                });
        // A closed window takes its desk check with it.
        connect(form, &QObject::destroyed, this, [this] {
            form_ = nullptr;
            table_->setModel(nullptr);
        });
    }
    measure();
    showChosen();
}

void DeskCheck::measure()
{
    const TraceModel* m = model();
    if (!m)
        return;
    Widths& w = widths_[m];
    const int columns = m->columnCount();
    const int said = columns - 1;
    const QFontMetrics plain(table_->font());
    // Rows taken away, or another font, drop what was measured; otherwise only new rows count.
    if (int(w.columns.size()) != columns) {
        w = Widths();
        const QFontMetrics header(table_->horizontalHeader()->font());
        for (int c = 0; c < columns; ++c)
            w.columns.push_back(header.horizontalAdvance(m->headings()[c]) + 2 * kCellMargin);
    }
    QFont boldFont = table_->font();
    boldFont.setBold(true);
    const QFontMetrics bold(boldFont);
    // The width a sentence asks for: its own, up to 46 letters; longer ones wrap.
    const int mostSaid = qMax(w.columns[size_t(said)], plain.horizontalAdvance(QLatin1Char('n')) * 46 + kCellMargin);
    for (int r = w.rows; r < m->rowCount(); ++r)
        for (int c = 0; c < columns; ++c) {
            const int need = (m->changed(r, c) ? bold : plain).horizontalAdvance(m->text(r, c)) + kCellMargin;
            w.columns[size_t(c)] = qMax(w.columns[size_t(c)], c == said ? qMin(need, mostSaid) : need);
        }
    for (int c = 0; c < said; ++c)
        if (table_->columnWidth(c) != w.columns[size_t(c)])
            table_->setColumnWidth(c, w.columns[size_t(c)]);
    if (w.rows > m->rowCount() || w.rows == 0)
        rowsFitted_ = 0;
    w.rows = m->rowCount();
    fitSentences();
}

void DeskCheck::fitSentences()
{
    const TraceModel* m = model();
    if (!m || widths_.count(m) == 0)
        return;
    const int said = m->columnCount() - 1;
    const QFontMetrics plain(table_->font());
    int values = 0;  // as the header has them: never narrower than its least section
    for (int c = 0; c < said; ++c)
        values += table_->columnWidth(c);
    // All the room the values leave, but never narrower than its least width: below that the
    // table scrolls sideways rather than wrap a sentence word by word.
    int width = qMax(leastSentence(), table_->viewport()->width() - values);
    // When the table scrolls sideways anyway, the sentence keeps the width it asks for, and
    // its rows their fewest lines.
    if (values + leastSentence() > table_->viewport()->width())
        width = qMax(width, widths_.at(m).columns.back());
    if (table_->columnWidth(said) != width)
        table_->setColumnWidth(said, width);
    if (width != sentenceWidth_)
        rowsFitted_ = 0;
    sentenceWidth_ = width;
    const int line = table_->verticalHeader()->defaultSectionSize();
    const QRect room(0, 0, width - kCellMargin, 1 << 20);
    bool resized = false;
    for (int r = qMin(rowsFitted_, m->rowCount()); r < m->rowCount(); ++r) {
        const int h = qMax(line, plain.boundingRect(room, Qt::TextWordWrap, m->text(r, said)).height() + 6);
        if (table_->rowHeight(r) != h) {
            table_->setRowHeight(r, h);
            resized = true;
        }
    }
    rowsFitted_ = m->rowCount();
    if (resized)
        keepChosenInView();
}

QStringList DeskCheck::columns() const
{
    const TraceModel* m = model();
    return m ? m->headings() : QStringList();
}

int DeskCheck::rows() const
{
    const TraceModel* m = model();
    return m ? m->rowCount() : 0;
}

QStringList DeskCheck::row(int row) const
{
    QStringList fields;
    const TraceModel* m = model();
    if (!m || row < 1 || row > m->rowCount())
        return fields;
    for (int c = 0; c < m->columnCount(); ++c)
        fields << m->text(row - 1, c);
    return fields;
}

int DeskCheck::selected() const
{
    const RunCycle* c = cycle();
    return c ? c->shownStep() : 0;
}

void DeskCheck::choose(int row)
{
    RunCycle* c = cycle();
    if (!c || row < 0 || row > rows())
        return;
    c->goTo(row);
    showChosen();
}

void DeskCheck::back()
{
    if (selected() > 0)
        choose(selected() - 1);
}

bool DeskCheck::forward()
{
    if (selected() >= rows())
        return false;
    choose(selected() + 1);
    return true;
}

void DeskCheck::showChosen()
{
    const int chosen = selected();
    choosing_ = true;
    if (chosen > 0 && table_->model()) {
        const QModelIndex at = table_->model()->index(chosen - 1, 0);
        table_->setCurrentIndex(at);
        table_->selectRow(chosen - 1);
        if (isVisible()) {
            keepChosenInView();
            // Again once the panel is laid out (a zoom, the panel moved or shown).
            QMetaObject::invokeMethod(this, &DeskCheck::keepChosenInView, Qt::QueuedConnection);
        }
    } else {
        table_->clearSelection();
        if (table_->selectionModel())
            table_->selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    }
    choosing_ = false;
}

void DeskCheck::keepChosenInView()
{
    const QModelIndex at = table_->currentIndex();
    if (!at.isValid() || !isVisible())
        return;
    // A row taller than the view shows its top, where its values are.
    table_->scrollTo(at, table_->rowHeight(at.row()) > table_->viewport()->height() ? QAbstractItemView::PositionAtTop
                                                                                    : QAbstractItemView::EnsureVisible);
}

QString DeskCheck::csv() const
{
    const auto line = [](const QStringList& fields) {
        QStringList quoted;
        for (const QString& f : fields)
            quoted << csvField(f);
        return quoted.join(QLatin1Char(';')) + QLatin1Char('\n');
    };
    QString text = line(QStringList{QStringLiteral("Passo")} + columns());
    const TraceModel* m = model();
    for (int r = 1; r <= rows(); ++r)
        text += line(QStringList{QString::number(m->firstStep() + r - 1)} + row(r));
    return text;
}

void DeskCheck::setScale()
{
    const QFont f = framework::scaledFont();
    setFont(f);  // the panel's title too
    table_->setFont(f);
    table_->horizontalHeader()->setFont(f);
    table_->verticalHeader()->setFont(f);
    table_->verticalHeader()->setDefaultSectionSize(QFontMetrics(f).height() + 6);
    widths_.clear();
    measure();
    showChosen();
}

}  // namespace shell
