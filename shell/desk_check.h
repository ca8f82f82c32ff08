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
    // The table, brought up to date with the run (it is filled only while it is shown, or
    // when it is read).
    QTableWidget* table() const;
    // The width that shows every column whole.
    int neededWidth() const;

    // The headings, the rows (1 is the first step's first row) and the row chosen (0: the
    // window before the first step).
    QStringList columns() const;
    int rows() const;
    QStringList row(int row) const;    // the values, then what happened
    int selected() const
    {
        sync();
        return selected_;
    }
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
    // The table has grown wider than it is.
    void widened();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void rebuild();
    void fill(int from);
    void append();
    void showChosen();
    void sync() const;
    framework::RunCycle* cycle() const;

    QTableWidget* table_;
    QPointer<framework::Form> form_;
    int selected_ = 0;
    int greyFrom_ = 0;  // rows from here on are drawn grey
    bool choosing_ = false;
    mutable bool stale_ = false;
};

}  // namespace shell
