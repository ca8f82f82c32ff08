#pragma once
// "Prever antes de ver": with it on, the next step of a run is not shown at once. Its row of
// the desk check waits, editable, for the student to write the values they expect; confirmed,
// the step is shown and each value is marked right or wrong; skipped, it is shown unpredicted.
//
// A click of the window's command makes its steps as always, with its message boxes held
// back; the window is then put back to the step before them, and their rows are seen one at
// a time, each after its prediction, its message boxes with it.
#include <QMap>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <climits>
#include <vector>

namespace framework { class Form; class RunCycle; class TraceModel; }

namespace shell {

class Prediction : public QObject {
    Q_OBJECT
public:
    explicit Prediction(QObject* parent);
    ~Prediction() override;

    void setOn(bool on);
    bool on() const { return on_; }
    // The window whose run is predicted (null: none).
    void follow(framework::Form* form);

    // The next step is asked for ("Avançar um passo", "Executar sozinho"): true when a
    // prediction waits for it now (or waited already), false when the step is to be shown
    // or its command clicked as usual.
    bool ask();
    bool waiting() const;
    // The row of the waiting prediction (0-based), or -1.
    int waitingRow() const;

    // Shows the waiting step: with the prediction written into its row marked, or unpredicted.
    void confirm();
    void skip();
    // The waiting row goes back unseen, unpredicted (the student chose another step).
    void withdraw();

signals:
    // A prediction now waits for the student.
    void opened();
    // The waiting prediction was confirmed or skipped, and its step shown.
    void closed();

private:
    framework::RunCycle* cycle() const;
    framework::TraceModel* model() const;
    // Takes a click of the window's command (RunCycle::setClickGate).
    bool gate();
    // The click is over: its rows wait unseen, the window back at the step before them.
    void afterClick();
    void open();
    // At the last row seen, with rows of a click not seen yet: the next of them waits.
    bool openNextUnseen();
    void reveal(bool predicted);
    // What the window's boxes hold, by name.
    QMap<QString, QString> typed() const;

    struct Held {
        int row;  // the row it comes with (0-based)
        QString text;
        int buttons;
        QString title;
    };
    QPointer<framework::Form> form_;
    bool on_ = false;
    bool hiding_ = false;     // a click under way makes rows not seen yet
    int firstNew_ = INT_MAX;  // its first row
    QMap<QString, QString> typedAtClick_;  // the boxes as the last click read them
    std::vector<Held> held_;
};

}  // namespace shell
