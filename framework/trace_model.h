#pragma once
// The rows of a run's desk check, as one table model: the table on screen, the CSV and the PDF
// all read it. A value cell is "changed" when it differs from the row before (and is not
// empty); rows after the step shown are "later" and drawn grey.
#include "framework/step.h"

#include <QAbstractTableModel>
#include <vector>

namespace framework {

class TraceModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // Beyond Qt's roles: whether a value changed at its row (bool), and whether the row comes
    // after the step shown (bool).
    enum Role { ChangedRole = Qt::UserRole + 1, LaterRole };

    // The algorithm's columns; "O que aconteceu" follows them.
    explicit TraceModel(QStringList columns, QObject* parent = nullptr);

    static QString whatHappened();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    const std::vector<TraceRow>& rows() const { return rows_; }
    const QStringList& headings() const { return headings_; }
    // The text of row `row` (0-based) in column `column`, and whether that value changed there.
    QString text(int row, int column) const;
    bool changed(int row, int column) const;

    void append(TraceRow row);
    void truncate(int rows);
    // Drops the first rows (a run too long to keep whole); the steps keep their numbers.
    void dropFirst(int rows);
    // The number of the first row's step.
    int firstStep() const { return first_ + 1; }
    void clear();
    // Takes over the rows of another model (the same window made anew at another zoom).
    void adopt(TraceModel& other);
    // The rows up to the step shown (the others are later).
    void setShownRows(int rows);
    int shownRows() const { return shown_; }

private:
    QStringList headings_;
    std::vector<TraceRow> rows_;
    int shown_ = 0;
    int first_ = 0;  // the steps dropped before the first row
};

}  // namespace framework
