#include "shell/desk_check.h"

#include "framework/form.h"
#include "framework/run_cycle.h"
#include "framework/trace_model.h"
#include "shell/prediction.h"

#include <QApplication>
#include <QBoxLayout>
#include <QFontMetrics>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
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

    // A value marked right or wrong keeps its colour on the row chosen, framed in the
    // selection's colour, so that the marks of the step just shown read at once.
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const int mark = index.data(TraceModel::MarkRole).toInt();
        if (!(option.state & QStyle::State_Selected) || (mark != TraceModel::Right && mark != TraceModel::Wrong))
            return QStyledItemDelegate::paint(painter, option, index);
        QStyleOptionViewItem plain(option);
        plain.state &= ~QStyle::State_Selected;
        QStyledItemDelegate::paint(painter, plain, index);
        painter->save();
        painter->setPen(QPen(option.palette.color(QPalette::Highlight), 2));
        painter->drawRect(QRectF(option.rect).adjusted(1, 1, -1, -1));
        painter->restore();
    }

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
    table_->viewport()->installEventFilter(this);
    table_->installEventFilter(this);

    // Above the table while the student predicts: the score, and the buttons that show the
    // step waiting, with the prediction ("Conferir", Enter) or without it ("Mostrar", Esc).
    // In a narrow panel (a large zoom) the buttons stand under the score.
    bar_ = new QWidget(this);
    bar_->setObjectName(QStringLiteral("Previsao"));
    auto barLayout = new QBoxLayout(QBoxLayout::LeftToRight, bar_);
    barLayout->setContentsMargins(4, 2, 4, 2);
    score_ = new QLabel(bar_);
    score_->setObjectName(QStringLiteral("Acertos"));
    auto buttons = new QWidget(bar_);
    auto buttonsLayout = new QHBoxLayout(buttons);
    buttonsLayout->setContentsMargins(0, 0, 0, 0);
    confirm_ = new QPushButton(QStringLiteral("&Conferir"), buttons);
    confirm_->setObjectName(QStringLiteral("Conferir"));
    confirm_->setToolTip(QStringLiteral("Mostra o passo e marca cada valor previsto (Enter)"));
    skip_ = new QPushButton(QStringLiteral("&Mostrar"), buttons);
    skip_->setObjectName(QStringLiteral("Mostrar"));
    skip_->setToolTip(QStringLiteral("Mostra o passo sem previsão (Esc)"));
    buttonsLayout->addStretch(1);
    buttonsLayout->addWidget(confirm_);
    buttonsLayout->addWidget(skip_);
    barLayout->addWidget(score_);
    barLayout->addWidget(buttons, 1);
    bar_->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    bar_->hide();
    bar_->installEventFilter(this);
    auto panel = new QWidget(this);
    auto layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar_);
    layout->addWidget(table_);
    setWidget(panel);

    prediction_ = new Prediction(this);
    connect(confirm_, &QPushButton::clicked, this, &DeskCheck::confirmPrediction);
    connect(skip_, &QPushButton::clicked, this, &DeskCheck::skipPrediction);
    predictionChanged();
}

bool DeskCheck::eventFilter(QObject* watched, QEvent* event)
{
    // The keys of a prediction, in its cell or anywhere in the table.
    if (event->type() == QEvent::KeyPress && prediction_->waiting()
        && (watched == table_ || (editing_.isValid() && watched == table_->indexWidget(editing_)))
        && predictionKey(static_cast<QKeyEvent*>(event)))
        return true;
    if (watched == bar_ && event->type() == QEvent::Resize)
        fitBar();
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

int DeskCheck::leastWidth() const
{
    return qMax(widthWith(leastSentence()), bar_->isVisible() ? bar_->minimumWidth() : 0);
}

int DeskCheck::leastHeight() const
{
    const int title = height() - widget()->height();
    return title + (bar_->isVisible() ? bar_->sizeHint().height() : 0) + table_->horizontalHeader()->height() + table_->verticalHeader()->defaultSectionSize() +
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
    closeCell();
    form_ = form;
    prediction_->follow(form);
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
        // A row predicted shows its marks: its cells may need more room.
        connect(m, &QAbstractItemModel::dataChanged, this,
                [this](const QModelIndex& from, const QModelIndex& to, const QList<int>& roles) {
                    if (roles.isEmpty() || roles.contains(Qt::DisplayRole))
                        measureRows(from.row(), to.row());
                });
        connect(m, &TraceModel::predictionChanged, this, &DeskCheck::predictionChanged);
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
        // A click in another cell of the waiting row writes there.
        connect(table_->selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex& now) {
            if (!choosing_ && now.isValid() && now.row() == prediction_->waitingRow()
                && now.column() < now.model()->columnCount() - 1 && now != QModelIndex(editing_))
                editCell(now.column());
        });
        // A closed window takes its desk check with it.
        connect(form, &QObject::destroyed, this, [this] {
            form_ = nullptr;
            table_->setModel(nullptr);
        });
    }
    measure();
    showChosen();
    predictionChanged();
}

void DeskCheck::measure()
{
    const TraceModel* m = model();
    if (!m)
        return;
    Widths& w = widths_[m];
    const int columns = m->columnCount();
    // Rows taken away, or another font, drop what was measured; otherwise only new rows count.
    if (int(w.columns.size()) != columns) {
        w = Widths();
        const QFontMetrics header(table_->horizontalHeader()->font());
        for (int c = 0; c < columns; ++c)
            w.columns.push_back(header.horizontalAdvance(m->headings()[c]) + 2 * kCellMargin);
    }
    if (w.rows > m->rowCount() || w.rows == 0)
        rowsFitted_ = 0;
    const int from = w.rows;
    w.rows = m->rowCount();
    measureRows(from, m->rowCount() - 1);
}

void DeskCheck::measureRows(int from, int to)
{
    const TraceModel* m = model();
    if (!m || widths_.count(m) == 0)
        return;
    Widths& w = widths_[m];
    const int columns = m->columnCount();
    const int said = columns - 1;
    const QFontMetrics plain(table_->font());
    QFont boldFont = table_->font();
    boldFont.setBold(true);
    const QFontMetrics bold(boldFont);
    // The width a sentence asks for: its own, up to 46 letters; longer ones wrap.
    const int mostSaid = qMax(w.columns[size_t(said)], plain.horizontalAdvance(QLatin1Char('n')) * 46 + kCellMargin);
    for (int r = qMax(0, from); r <= to && r < m->rowCount(); ++r)
        for (int c = 0; c < columns; ++c) {
            // The waiting row's sentence wraps in the column as it is: predicting leaves the
            // table's widths, and so the room the windows have, as the run's own rows make them.
            if (c == said && r == prediction_->waitingRow())
                continue;
            const int need = (m->changed(r, c) ? bold : plain).horizontalAdvance(m->cellText(r, c)) + kCellMargin;
            w.columns[size_t(c)] = qMax(w.columns[size_t(c)], c == said ? qMin(need, mostSaid) : need);
        }
    for (int c = 0; c < said; ++c)
        if (table_->columnWidth(c) != w.columns[size_t(c)])
            table_->setColumnWidth(c, w.columns[size_t(c)]);
    // The rows from `from` on are fitted again (a waiting row becomes its step's row).
    rowsFitted_ = qMin(rowsFitted_, qMax(0, from));
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
    return m ? m->seen() : 0;
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
    // Another step chosen while a prediction waits: its row goes back unseen.
    prediction_->withdraw();
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
        // While a prediction waits, the cell being written stays the current one, in view.
        if (editing_.isValid())
            table_->selectionModel()->setCurrentIndex(editing_, QItemSelectionModel::NoUpdate);
        if (isVisible()) {
            keepChosenInView();
            // Again once the panel is laid out (a zoom, the panel moved or shown).
            QMetaObject::invokeMethod(this, &DeskCheck::keepChosenInView, Qt::QueuedConnection);
        }
    } else {
        table_->clearSelection();
        if (table_->selectionModel())
            table_->selectionModel()->setCurrentIndex(editing_, QItemSelectionModel::NoUpdate);
    }
    choosing_ = false;
}

void DeskCheck::keepChosenInView()
{
    const QModelIndex at = table_->currentIndex();
    if (!at.isValid() || !isVisible())
        return;
    // A row waiting for its prediction, with the row before it when both fit.
    if (const int waiting = prediction_->waitingRow(); waiting > 0 && at.row() == waiting
        && table_->rowHeight(waiting - 1) + table_->rowHeight(waiting) <= table_->viewport()->height()) {
        table_->scrollTo(at.siblingAtRow(waiting - 1), QAbstractItemView::PositionAtTop);
        return;
    }
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
    const TraceModel* m = model();
    const QStringList headings = columns();
    bool predicted = false;
    for (int r = 0; m && r < rows() && !predicted; ++r)
        predicted = m->prediction(r) != nullptr;
    // Where rows were predicted, a column "Previsão" after the values: each value predicted,
    // those that were wrong marked, and a step not counted (a refusal, a run-time error) said.
    const auto withPrediction = [&](QStringList fields, const QString& prediction) {
        if (predicted)
            fields.insert(fields.size() - 1, prediction);
        return fields;
    };
    QString text = line(QStringList{QStringLiteral("Passo")} + withPrediction(headings, QStringLiteral("Previsão")));
    for (int r = 1; r <= rows(); ++r) {
        QStringList wrote;
        if (const TraceModel::Prediction* p = m->prediction(r - 1)) {
            for (int c = 0; c < p->values.size(); ++c)
                wrote << QStringLiteral("%1 = %2%3").arg(headings[c], p->values[c],
                                                        p->right[size_t(c)] ? QString() : QStringLiteral(" (errado)"));
            if (!p->counted)
                wrote << QStringLiteral("não contado");
        }
        text += line(QStringList{QString::number(m->firstStep() + r - 1)} + withPrediction(row(r), wrote.join(QStringLiteral(" | "))));
    }
    return text;
}

void DeskCheck::setPredicting(bool on)
{
    prediction_->setOn(on);
    predictionChanged();
}

void DeskCheck::predictionChanged()
{
    const TraceModel* m = model();
    bar_->setVisible(prediction_->on());
    score_->setText(m ? m->scoreText() : QStringLiteral("Acertos: 0 de 0"));
    fitBar();
    const bool waiting = prediction_->waiting();
    confirm_->setEnabled(waiting);
    skip_->setEnabled(waiting);
    if (!waiting)
        closeCell();
    else if (!editing_.isValid())
        editCell(0);
}

void DeskCheck::fitBar()
{
    auto layout = static_cast<QBoxLayout*>(bar_->layout());
    const QMargins m = layout->contentsMargins();
    QWidget* buttons = confirm_->parentWidget();
    const int side = m.left() + m.right();
    // The score and the buttons side by side where they fit, else one above the other.
    bar_->setMinimumWidth(qMax(score_->sizeHint().width(), buttons->sizeHint().width()) + side);
    const int wide = score_->sizeHint().width() + layout->spacing() + buttons->sizeHint().width() + side;
    const auto direction = bar_->width() >= wide ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom;
    if (layout->direction() != direction)
        layout->setDirection(direction);
}

void DeskCheck::editCell(int column)
{
    const int row = prediction_->waitingRow();
    const TraceModel* m = model();
    if (row < 0 || !m)
        return;
    closeCell();
    const QModelIndex at = m->index(row, column);
    editing_ = at;
    showChosen();
    table_->openPersistentEditor(at);
    if (auto box = qobject_cast<QLineEdit*>(table_->indexWidget(at))) {
        box->installEventFilter(this);
        box->setAccessibleName(QStringLiteral("Previsão de %1").arg(m->headings().value(column)));
        if (isVisible())
            box->setFocus(Qt::OtherFocusReason);
        box->selectAll();
    }
    if (isVisible())
        table_->scrollTo(at);
}

void DeskCheck::commitCell()
{
    if (auto box = editing_.isValid() ? qobject_cast<QLineEdit*>(table_->indexWidget(editing_)) : nullptr)
        table_->model()->setData(editing_, box->text());
}

void DeskCheck::closeCell()
{
    if (!editing_.isValid())
        return;
    const QModelIndex at = editing_;
    editing_ = QPersistentModelIndex();
    const bool focused = table_->indexWidget(at) && table_->indexWidget(at)->hasFocus();
    table_->closePersistentEditor(at);
    if (focused)
        table_->setFocus(Qt::OtherFocusReason);
}

bool DeskCheck::predict(const QStringList& values)
{
    TraceModel* m = model();
    const int row = prediction_->waitingRow();
    if (!m || row < 0)
        return false;
    closeCell();
    for (int c = 0; c < values.size() && c < m->columnCount() - 1; ++c)
        m->setData(m->index(row, c), values[c]);
    prediction_->confirm();
    return true;
}

void DeskCheck::confirmPrediction()
{
    commitCell();
    closeCell();
    prediction_->confirm();
}

void DeskCheck::skipPrediction()
{
    closeCell();
    prediction_->skip();
}

bool DeskCheck::predictionKey(QKeyEvent* key)
{
    const TraceModel* m = model();
    const int values = m ? m->columnCount() - 1 : 0;
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        confirmPrediction();
        return true;
    case Qt::Key_Escape:
        skipPrediction();
        return true;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: {
        if (values <= 0)
            return false;
        const int at = editing_.isValid() ? editing_.column() : -1;
        const int step = key->key() == Qt::Key_Tab && !(key->modifiers() & Qt::ShiftModifier) ? 1 : -1;
        commitCell();
        editCell(((at < 0 ? 0 : at + step) % values + values) % values);
        return true;
    }
    default:
        return false;
    }
}

void DeskCheck::setScale()
{
    const QFont f = framework::scaledFont();
    setFont(f);  // the panel's title too
    table_->setFont(f);
    table_->horizontalHeader()->setFont(f);
    table_->verticalHeader()->setFont(f);
    table_->verticalHeader()->setDefaultSectionSize(QFontMetrics(f).height() + 6);
    fitBar();
    widths_.clear();
    measure();
    showChosen();
}

}  // namespace shell
