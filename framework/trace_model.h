#pragma once
// The rows of a run's desk check, as one table model: the table on screen, the CSV and the PDF
// all read it. A value cell is "changed" when it differs from the row before (and is not
// empty); rows after the step shown are "later" and drawn grey.
//
// The student may predict a row before seeing it: the rows of a click not yet seen are kept
// out of the table, and the first of them waits as an editable row holding what the student
// writes. Confirmed, the row shows its own values, each marked right or wrong against what was
// predicted.
#include "framework/step.h"

#include <QAbstractTableModel>
#include <algorithm>
#include <optional>
#include <vector>

namespace framework {

class TraceModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // Beyond Qt's roles: whether a value changed at its row (bool), and whether the row comes
    // after the step shown (bool).
    enum Role { ChangedRole = Qt::UserRole + 1, LaterRole, MarkRole };
    // What MarkRole says of a value cell.
    enum Mark { Unmarked, Right, Wrong, Waiting };

    // What the student predicted of a row, and, per value, whether it was the value shown.
    // A step that ended in a refusal or a run-time error is not counted.
    struct Prediction {
        QStringList values;
        std::vector<bool> right;
        bool counted = true;
        bool whollyRight() const { return std::find(right.begin(), right.end(), false) == right.end(); }
    };
    // Whether a value written is the value shown: the same number by the text-to-number rule
    // ("20.0" is 20; "0,5" is 0.5 where the comma is the decimal separator), else the same
    // text but for blanks and case.
    static bool sameValue(const QString& predicted, const QString& shown);

    // The algorithm's columns; "O que aconteceu" follows them.
    explicit TraceModel(QStringList columns, QObject* parent = nullptr);

    static QString whatHappened();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    const std::vector<TraceRow>& rows() const { return rows_; }
    const QStringList& headings() const { return headings_; }
    // The text of row `row` (0-based) in column `column`, and whether that value changed there
    // (the waiting row: what is predicted so far).
    QString text(int row, int column) const;
    bool changed(int row, int column) const;
    // The text a cell shows: its value, and on a row predicted its mark (and what was
    // predicted where that was wrong).
    QString cellText(int row, int column) const;

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

    // The rows the table shows: those seen, and the waiting row when there is one.
    int seen() const { return int(rows_.size()) - unseen_; }
    // The rows from `row` on are not seen yet.
    void hideFrom(int row);
    // Every row is seen (a waiting row is dropped unpredicted).
    void seeAll();
    // The first row not seen waits for the student's prediction, starting from `start`.
    void openPrediction(QStringList start);
    bool waiting() const { return waiting_; }
    const QStringList& predicted() const { return predicted_; }
    // The waiting row is seen, with the prediction written into it marked (counted or not);
    // skipped, it is seen unpredicted.
    void confirm(bool counted);
    void skip();
    const Prediction* prediction(int row) const;
    // The steps predicted (counted) and, of them, those predicted wholly right; the cells
    // predicted and those right.
    int predictedSteps() const { return score_.steps + dropped_.steps; }
    int rightSteps() const { return score_.right + dropped_.right; }
    int predictedCells() const { return score_.cells + dropped_.cells; }
    int rightCells() const { return score_.rightCells + dropped_.rightCells; }
    // "Acertos: R de T": the steps predicted wholly right, of those predicted.
    QString scoreText() const;
    // The waiting row goes back unseen, unpredicted.
    void withdraw();
    // A message box a row not seen yet comes with, shown when the row is seen.
    struct HeldMessage {
        int row;
        QString text;
        int buttons;
        QString title;
    };
    void holdMessage(HeldMessage message) { held_.push_back(std::move(message)); }
    std::vector<HeldMessage> takeMessages(int row);

    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

signals:
    // The score changed, or a prediction opened or closed.
    void predictionChanged();

private:
    QStringList headings_;
    std::vector<TraceRow> rows_;
    int shown_ = 0;
    int first_ = 0;  // the steps dropped before the first row

    struct Score {
        int steps = 0, right = 0, cells = 0, rightCells = 0;
        void add(const Prediction& p, int sign);
    };
    void dropPredictionsFrom(int row);
    std::vector<std::optional<Prediction>> predictions_;  // per row, when it was predicted
    Score score_;           // of the rows held
    Score dropped_;         // of the rows dropped first (a run too long to keep whole)
    int unseen_ = 0;        // the last rows, not seen yet
    bool waiting_ = false;  // the first unseen row waits for a prediction
    QStringList predicted_;
    std::vector<HeldMessage> held_;
};

}  // namespace framework
