#pragma once
// The desk check ("teste de mesa") of the active problem window, docked at the right of the
// main window: one row per step of the run, the values the panel names and what happened.
// Choosing a row puts the window back as it was after that step.
#include <QDockWidget>
#include <QPointer>

class QTableWidget;

namespace framework { class Form; class RunCycle; }

namespace shell {

class DeskCheck : public QDockWidget {
    Q_OBJECT
public:
    explicit DeskCheck(QWidget* parent);

    // The window whose run it shows (null: none).
    void follow(framework::Form* form);
    framework::Form* form() const { return form_; }
    QTableWidget* table() const { return table_; }

    // The headings, the rows (1 is the first step's first row) and the row chosen (0: the
    // window before the first step).
    QStringList columns() const;
    int rows() const;
    QStringList row(int row) const;    // the values, then what happened
    int selected() const { return selected_; }
    // Puts the window back as it was after the step of row `row` (0: before the first).
    void choose(int row);
    // One step back.
    void back();

    // The table as text: one line per row, fields between ';' (quoted where needed).
    QString csv() const;

    // The font of the table follows the program's zoom.
    void setScale(double scale);

signals:
    void chosen();

private:
    void rebuild();
    void append();
    void showChosen();
    framework::RunCycle* cycle() const;

    QTableWidget* table_;
    QPointer<framework::Form> form_;
    int selected_ = 0;
    bool choosing_ = false;
};

}  // namespace shell
