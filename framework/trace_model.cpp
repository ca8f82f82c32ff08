#include "framework/trace_model.h"

#include "framework/colors.h"
#include "framework/numbers/rules.h"
#include "framework/text.h"

#include <QApplication>
#include <QBrush>
#include <QPalette>
#include <QColor>

namespace framework {

namespace {
// A value that changed at its step stands out; rows after the step shown are greyed.
const QColor kChanged(255, 243, 160);
// A value predicted right, one predicted wrong, and a cell waiting for its prediction.
const QColor kRight(200, 240, 200);
const QColor kWrong(255, 208, 208);
const QColor kWaiting(220, 234, 255);

// The waiting row's sentence.
QString waitingSentence()
{
    return QStringLiteral("Sua previsão: escreva os valores deste passo e tecle Enter (Esc mostra o passo sem prever)");
}

// The texts compared as texts: without blanks, and without regard to case.
QString bare(const QString& text)
{
    QString b;
    for (const QChar c : text)
        if (!c.isSpace())
            b += c;
    return b.toCaseFolded();
}
}  // namespace

bool TraceModel::sameValue(const QString& predicted, const QString& shown)
{
    const std::string a = ss(predicted.trimmed()), b = ss(shown.trimmed());
    if (num::isNumericText(a) && num::isNumericText(b)) {
        try {
            return num::textToDouble(a) == num::textToDouble(b);
        } catch (const num::RuntimeError&) {
            // Out of range: compared as texts below.
        }
    }
    return bare(predicted) == bare(shown);
}

void TraceModel::Score::add(const Prediction& p, int sign)
{
    if (!p.counted)
        return;
    steps += sign;
    right += p.whollyRight() ? sign : 0;
    cells += sign * int(p.right.size());
    rightCells += sign * int(std::count(p.right.begin(), p.right.end(), true));
}

TraceModel::TraceModel(QStringList columns, QObject* parent) : QAbstractTableModel(parent), headings_(std::move(columns))
{
    headings_ << whatHappened();
}

QString TraceModel::whatHappened() { return QStringLiteral("O que aconteceu"); }

int TraceModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : seen() + (waiting_ ? 1 : 0); }

int TraceModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(headings_.size()); }

QString TraceModel::text(int row, int column) const
{
    if (waiting_ && row == seen())
        return column == int(headings_.size()) - 1 ? waitingSentence() : predicted_.value(column);
    if (row < 0 || row >= int(rows_.size()))
        return {};
    const TraceRow& r = rows_[size_t(row)];
    return column == int(headings_.size()) - 1 ? r.said : r.values.value(column);
}

QString TraceModel::cellText(int row, int column) const
{
    const QString value = text(row, column);
    const Prediction* p = prediction(row);
    if (!p || column >= int(p->right.size()))
        return value;
    if (p->right[size_t(column)])
        return value + QStringLiteral(" \u2713");
    const QString wrote = p->values.value(column);
    return value + QStringLiteral(" \u2717 previsto ") + (wrote.trimmed().isEmpty() ? QStringLiteral("vazio") : wrote);
}

const TraceModel::Prediction* TraceModel::prediction(int row) const
{
    if (row < 0 || row >= seen() || size_t(row) >= predictions_.size() || !predictions_[size_t(row)])
        return nullptr;
    return &*predictions_[size_t(row)];
}

bool TraceModel::changed(int row, int column) const
{
    if (row < 0 || row >= seen() || column >= int(headings_.size()) - 1)
        return false;
    const QString now = rows_[size_t(row)].values.value(column);
    return !now.isEmpty() && (row == 0 || now != rows_[size_t(row) - 1].values.value(column));
}

QVariant TraceModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const int row = index.row(), column = index.column();
    const bool value = column < int(headings_.size()) - 1;
    const bool waitingRow = waiting_ && row == seen();
    const auto mark = [&] {
        if (waitingRow)
            return value ? Waiting : Unmarked;
        const Prediction* p = prediction(row);
        if (!p || column >= int(p->right.size()))
            return Unmarked;
        return p->right[size_t(column)] ? Right : Wrong;
    };
    const auto background = [&]() -> QColor {
        switch (mark()) {
        case Right: return kRight;
        case Wrong: return kWrong;
        case Waiting: return kWaiting;
        case Unmarked: break;
        }
        return changed(row, column) ? kChanged : QColor();
    };
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        return cellText(row, column);
    case Qt::EditRole:
        return text(row, column);
    case ChangedRole:
        return changed(row, column);
    case LaterRole:
        return row >= shown_ && !waitingRow;
    case MarkRole:
        return int(mark());
    case Qt::BackgroundRole: {
        const QColor b = background();
        return b.isValid() ? QVariant(QBrush(b)) : QVariant();
    }
    case Qt::ForegroundRole: {
        // The projector colours darken the grey, on white and on the coloured cells alike.
        const QColor b = background();
        return row >= shown_ && !waitingRow
                   ? QVariant(QBrush(legible(LaterGrey, b.isValid() ? b : QApplication::palette().color(QPalette::Base))))
                   : QVariant();
    }
    case Qt::AccessibleDescriptionRole: {
        QStringList said;
        if (changed(row, column))
            said << QStringLiteral("mudou neste passo");
        if (mark() == Right)
            said << QStringLiteral("previsão certa");
        else if (mark() == Wrong)
            said << QStringLiteral("previsão errada: previsto %1").arg(prediction(row)->values.value(column));
        else if (mark() == Waiting)
            said << QStringLiteral("sua previsão");
        return said.isEmpty() ? QVariant() : QVariant(said.join(QStringLiteral("; ")));
    }
    case Qt::TextAlignmentRole:
        // At the top of the row: a row that its sentence makes tall shows its values where
        // its sentence starts, also when only the row's top is in view.
        return QVariant::fromValue(Qt::Alignment((value ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop));
    default:
        return {};
    }
}

QVariant TraceModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (orientation == Qt::Horizontal)
        return headings_.value(section);
    return first_ + section + 1;  // the step
}

Qt::ItemFlags TraceModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.isValid() && waiting_ && index.row() == seen() && index.column() < int(headings_.size()) - 1)
        f |= Qt::ItemIsEditable;
    return f;
}

bool TraceModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    predicted_[index.column()] = value.toString();
    emit dataChanged(index, index);
    return true;
}

void TraceModel::append(TraceRow row)
{
    predictions_.emplace_back();
    if (unseen_ > 0) {
        rows_.push_back(std::move(row));
        ++unseen_;
        return;
    }
    const int at = int(rows_.size());
    beginInsertRows({}, at, at);
    rows_.push_back(std::move(row));
    endInsertRows();
}

void TraceModel::dropPredictionsFrom(int row)
{
    for (size_t r = size_t(row); r < predictions_.size(); ++r)
        if (predictions_[r])
            score_.add(*predictions_[r], -1);
    predictions_.resize(size_t(row));
}

void TraceModel::truncate(int rows)
{
    if (rows >= int(rows_.size()))
        return;
    const int before = rowCount();
    const int keptSeen = qMin(seen(), rows);
    const bool keptWaiting = waiting_ && rows > keptSeen;
    const int after = keptSeen + (keptWaiting ? 1 : 0);
    if (after < before)
        beginRemoveRows({}, after, before - 1);
    rows_.resize(size_t(rows));
    unseen_ = rows - keptSeen;
    waiting_ = keptWaiting;
    if (after < before)
        endRemoveRows();
    shown_ = qMin(shown_, rows);
    dropPredictionsFrom(rows);
    std::erase_if(held_, [rows](const HeldMessage& m) { return m.row >= rows; });
    emit predictionChanged();
}

void TraceModel::clear()
{
    beginResetModel();
    rows_.clear();
    predictions_.clear();
    score_ = dropped_ = Score();
    unseen_ = 0;
    waiting_ = false;
    predicted_.clear();
    held_.clear();
    shown_ = 0;
    first_ = 0;
    endResetModel();
    emit predictionChanged();
}

void TraceModel::adopt(TraceModel& other)
{
    beginResetModel();
    rows_ = std::move(other.rows_);
    predictions_ = std::move(other.predictions_);
    score_ = other.score_;
    dropped_ = other.dropped_;
    unseen_ = other.unseen_;
    waiting_ = other.waiting_;
    predicted_ = other.predicted_;
    held_ = std::move(other.held_);
    shown_ = other.shown_;
    first_ = other.first_;
    endResetModel();
    other.clear();
    emit predictionChanged();
}

void TraceModel::hideFrom(int row)
{
    if (waiting_ || row >= seen() || row < 0)
        return;
    beginRemoveRows({}, row, seen() - 1);
    unseen_ = int(rows_.size()) - row;
    endRemoveRows();
}

void TraceModel::seeAll()
{
    if (waiting_)
        skip();
    // What the rows not seen would have shown comes no more: they are seen as later rows.
    held_.clear();
    if (unseen_ == 0)
        return;
    beginInsertRows({}, seen(), int(rows_.size()) - 1);
    unseen_ = 0;
    endInsertRows();
}

void TraceModel::openPrediction(QStringList start)
{
    if (waiting_ || unseen_ == 0)
        return;
    const int values = int(headings_.size()) - 1;
    while (start.size() < values)
        start << QString();
    start = start.mid(0, values);
    beginInsertRows({}, seen(), seen());
    predicted_ = std::move(start);
    waiting_ = true;
    endInsertRows();
    emit predictionChanged();
}

void TraceModel::confirm(bool counted)
{
    if (!waiting_)
        return;
    const int row = seen();
    Prediction p{predicted_, {}, counted};
    for (int c = 0; c < predicted_.size(); ++c)
        p.right.push_back(sameValue(predicted_[c], rows_[size_t(row)].values.value(c)));
    score_.add(p, +1);
    predictions_[size_t(row)] = std::move(p);
    skip();
}

QString TraceModel::scoreText() const
{
    return QStringLiteral("Acertos: %1 de %2").arg(rightSteps()).arg(predictedSteps());
}

void TraceModel::withdraw()
{
    if (!waiting_)
        return;
    beginRemoveRows({}, seen(), seen());
    waiting_ = false;
    predicted_.clear();
    endRemoveRows();
    emit predictionChanged();
}

std::vector<TraceModel::HeldMessage> TraceModel::takeMessages(int row)
{
    std::vector<HeldMessage> taken;
    for (auto it = held_.begin(); it != held_.end();) {
        if (it->row == row) {
            taken.push_back(std::move(*it));
            it = held_.erase(it);
        } else {
            ++it;
        }
    }
    return taken;
}

void TraceModel::skip()
{
    if (!waiting_)
        return;
    const int row = seen();
    waiting_ = false;
    --unseen_;
    predicted_.clear();
    emit dataChanged(index(row, 0), index(row, columnCount() - 1));
    emit headerDataChanged(Qt::Vertical, row, row);
    emit predictionChanged();
}

void TraceModel::dropFirst(int rows)
{
    rows = qMin(rows, seen());
    if (rows <= 0)
        return;
    beginRemoveRows({}, 0, rows - 1);
    rows_.erase(rows_.begin(), rows_.begin() + rows);
    // The score keeps what the student predicted in the rows dropped.
    for (int r = 0; r < rows; ++r)
        if (predictions_[size_t(r)]) {
            score_.add(*predictions_[size_t(r)], -1);
            dropped_.add(*predictions_[size_t(r)], +1);
        }
    predictions_.erase(predictions_.begin(), predictions_.begin() + rows);
    std::erase_if(held_, [rows](const HeldMessage& m) { return m.row < rows; });
    for (HeldMessage& m : held_)
        m.row -= rows;
    first_ += rows;
    shown_ = qMax(0, shown_ - rows);
    endRemoveRows();
    emit headerDataChanged(Qt::Vertical, 0, rowCount() - 1);
}

void TraceModel::setShownRows(int rows)
{
    if (rows == shown_)
        return;
    // Only the rows between the old and the new end of the step shown change colour.
    const int from = qMin(rows, shown_), to = qMin(seen(), qMax(rows, shown_)) - 1;
    shown_ = rows;
    if (from <= to)
        emit dataChanged(index(from, 0), index(to, columnCount() - 1), {Qt::ForegroundRole, LaterRole});
}

}  // namespace framework
