#include "framework/trace_model.h"

#include "framework/colors.h"

#include <QApplication>
#include <QBrush>
#include <QPalette>
#include <QColor>

namespace framework {

namespace {
// A value that changed at its step stands out; rows after the step shown are greyed.
const QColor kChanged(255, 243, 160);
const QColor kLater(128, 128, 128);
}  // namespace

TraceModel::TraceModel(QStringList columns, QObject* parent) : QAbstractTableModel(parent), headings_(std::move(columns))
{
    headings_ << whatHappened();
}

QString TraceModel::whatHappened() { return QStringLiteral("O que aconteceu"); }

int TraceModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(rows_.size()); }

int TraceModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(headings_.size()); }

QString TraceModel::text(int row, int column) const
{
    if (row < 0 || row >= int(rows_.size()))
        return {};
    const TraceRow& r = rows_[size_t(row)];
    return column == int(headings_.size()) - 1 ? r.said : r.values.value(column);
}

bool TraceModel::changed(int row, int column) const
{
    if (row < 0 || row >= int(rows_.size()) || column >= int(headings_.size()) - 1)
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
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        return text(row, column);
    case ChangedRole:
        return changed(row, column);
    case LaterRole:
        return row >= shown_;
    case Qt::BackgroundRole:
        return changed(row, column) ? QVariant(QBrush(kChanged)) : QVariant();
    case Qt::ForegroundRole:
        // The projector colours darken the grey, on white and on the yellow alike.
        return row >= shown_ ? QVariant(QBrush(legible(kLater, changed(row, column) ? kChanged
                                                                                  : QApplication::palette().color(QPalette::Base))))
                             : QVariant();
    case Qt::AccessibleDescriptionRole:
        return changed(row, column) ? QVariant(QStringLiteral("mudou neste passo")) : QVariant();
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

void TraceModel::append(TraceRow row)
{
    const int at = int(rows_.size());
    beginInsertRows({}, at, at);
    rows_.push_back(std::move(row));
    endInsertRows();
}

void TraceModel::truncate(int rows)
{
    if (rows >= int(rows_.size()))
        return;
    beginRemoveRows({}, rows, int(rows_.size()) - 1);
    rows_.resize(size_t(rows));
    endRemoveRows();
    shown_ = qMin(shown_, rows);
}

void TraceModel::clear()
{
    beginResetModel();
    rows_.clear();
    shown_ = 0;
    first_ = 0;
    endResetModel();
}

void TraceModel::adopt(TraceModel& other)
{
    beginResetModel();
    rows_ = std::move(other.rows_);
    shown_ = other.shown_;
    first_ = other.first_;
    endResetModel();
    other.clear();
}

void TraceModel::dropFirst(int rows)
{
    rows = qMin(rows, int(rows_.size()));
    if (rows <= 0)
        return;
    beginRemoveRows({}, 0, rows - 1);
    rows_.erase(rows_.begin(), rows_.begin() + rows);
    first_ += rows;
    shown_ = qMax(0, shown_ - rows);
    endRemoveRows();
    emit headerDataChanged(Qt::Vertical, 0, int(rows_.size()) - 1);
}

void TraceModel::setShownRows(int rows)
{
    if (rows == shown_)
        return;
    // Only the rows between the old and the new end of the step shown change colour.
    const int from = qMin(rows, shown_), to = qMin(int(rows_.size()), qMax(rows, shown_)) - 1;
    shown_ = rows;
    if (from <= to)
        emit dataChanged(index(from, 0), index(to, columnCount() - 1), {Qt::ForegroundRole, LaterRole});
}

}  // namespace framework
