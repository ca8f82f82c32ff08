#pragma once
// The desk check ("teste de mesa") of the active problem window, docked at the right of the
// main window: one row per step of the run, the values the panel names and what happened.
// Choosing a row puts the window back as it was at that step. The rows are the run's own
// model: following another window costs nothing, and a long run is measured once.
#include <QDockWidget>
#include <QModelIndex>
#include <QPointer>
#include <map>
#include <vector>

class QKeyEvent;
class QLabel;
class QPdfWriter;
class QPushButton;
class QTableView;

namespace framework { class Form; class RunCycle; class TraceModel; }

namespace shell {

class Prediction;

class DeskCheck : public QDockWidget {
    Q_OBJECT
public:
    explicit DeskCheck(QWidget* parent);

    // The window whose run it shows (null: none).
    void follow(framework::Form* form);
    framework::Form* form() const { return form_; }
    framework::TraceModel* model() const;
    QTableView* table() const { return table_; }
    // The width that shows every column whole, the sentences as wide as they ask (up to 46
    // letters a line).
    int neededWidth() const;
    // The least width that shows every column whole, the sentences wrapped at 20 letters.
    int leastWidth() const;
    // The least height that shows the headings and a row of one line (more rows scroll).
    int leastHeight() const;

    // The headings, the rows seen (1 is the first step) and the row chosen (0: the window
    // before the first step).
    QStringList columns() const;
    int rows() const;
    QStringList row(int row) const;    // the values, then what happened
    int selected() const;
    // Puts the window back as it was at the step of row `row` (0: before the first).
    void choose(int row);
    // One step back, and one step on when the table has a later row.
    void back();
    bool forward();

    // The table as text: the headings and one line per row, the step first, fields between
    // ';' (quoted where needed); where rows were predicted, what was predicted after the values.
    QString csv() const;

    // "Prever antes de ver": the next step waits for the student's prediction of its row.
    Prediction* prediction() const { return prediction_; }
    void setPredicting(bool on);
    // Writes these values into the waiting row, in column order, and shows the step with them
    // marked (as Enter does): false when no prediction waits.
    bool predict(const QStringList& values);
    // The score's label and the buttons that confirm and skip the waiting prediction.
    QLabel* score() const { return score_; }
    QPushButton* confirmButton() const { return confirm_; }
    QPushButton* skipButton() const { return skip_; }

    // The font of the table follows the zoom in force.
    void setScale();
    // Selects the row of the step shown and brings it into view.
    void showChosen();

signals:
    // The table has grown wider than it is.
    void widened();

protected:
    void showEvent(QShowEvent* event) override;

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Measures the rows not yet measured of the model shown.
    void measure();
    // The sentence column fills what the value columns leave of the table's width, and each
    // row grows to hold its sentence at that width.
    void fitSentences();
    // Scrolls the chosen row into view (its top, when it is taller than the view).
    void keepChosenInView();
    // The panel's width for the value columns and a sentence column this wide.
    int widthWith(int sentence) const;
    // The sentence column's least width: 20 letters, or the longest sentence when shorter.
    int leastSentence() const;
    framework::RunCycle* cycle() const;
    // Measures the rows from `from` to `to` (and widens their columns for them).
    void measureRows(int from, int to);
    // The prediction's row: editing its cells, one at a time, Tab to the next.
    void predictionChanged();
    void fitBar();
    void editCell(int column);
    void commitCell();
    void closeCell();
    void confirmPrediction();
    void skipPrediction();
    bool predictionKey(QKeyEvent* key);

    QTableView* table_;
    QWidget* bar_;
    QLabel* score_;
    QPushButton* confirm_;
    QPushButton* skip_;
    Prediction* prediction_;
    QPersistentModelIndex editing_;  // the cell of the waiting row being written
    QPointer<framework::Form> form_;
    bool choosing_ = false;
    // The widest text of each column, per model, so that a long run is measured once.
    struct Widths {
        std::vector<int> columns;
        int rows = 0;  // the rows measured
    };
    std::map<const framework::TraceModel*, Widths> widths_;
    int sentenceWidth_ = 0;   // the width the rows' heights were measured at
    int rowsFitted_ = 0;      // the rows whose height is measured at it
    bool refitQueued_ = false;  // the rows are measured again once the table has its new width
};

// The desk check of a problem window as a PDF: its title, its statement, a picture of it and
// the table, its headings on every page (desk_check_pdf.cpp).
void printDeskCheck(QPdfWriter& pdf, const framework::Form& form, const framework::TraceModel& model,
                    const QString& statement);

}  // namespace shell
