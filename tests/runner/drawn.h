#pragma once
// What a window draws, measured from the widgets as they stand: whether every text is whole on
// screen, whether a list shows its newest row, whether a control is drawn disabled. The
// measures here are the runner's own, so that a layout mistake of the program cannot hide
// itself behind the same arithmetic.
#include <QStringList>

class QLabel;
class QListWidget;
class QTableView;
class QWidget;

namespace scenario {

// Everything that keeps `control` (or, when null, any control of `form`) from showing its
// whole text: clipped by its own rectangle, its frame or its window, a word broken over two
// lines, two texts over each other, a line across a text, the window outside the workspace.
// Empty when all is readable.
QStringList fitProblems(QWidget* form, QWidget* workspace, QWidget* control = nullptr);

// Every visible text of `form` (label, button, frame title, text box, list row in view) whose
// letters, as painted, stand less than `ratio` : 1 (WCAG's relative luminance) from the pixels
// behind them, each as "NAME 2.31 : 1". Empty when every text reaches it.
QStringList contrastProblems(QWidget* form, double ratio);

// Whether the newest row of the list is wholly inside its viewport.
bool lastRowShown(const QListWidget* list);

// Whether the control, as rendered now, looks different from the same control with the
// opposite enabled flag; a disabled control that looks exactly like an enabled one is drawn
// enabled.
bool drawnDisabled(QWidget* control);

// Everything that keeps the desk check from being read: the panel off screen or under another
// window, a heading wider than its column, a value wider than its cell, a sentence taller than
// its row or with a word wider than its column, in the rows in view. Columns the table scrolls
// to are read where they stand, as rows are.
QStringList traceFitProblems(QTableView* table, QWidget* mainWindow);
// Whether row `row` (0-based) of the table is wholly in view.
bool traceRowShown(QTableView* table, int row);
// Everything that keeps the plot panel from being read: the panel off screen or under another
// window; a title, axis label or tick cut by its box, outside the canvas or over another; a
// point of the run outside the canvas.
QStringList plotFitProblems(QWidget* panel, QWidget* mainWindow);
// Everything that keeps the status bar's text from being read whole (its last line's
// descenders included).
QStringList statusFitProblems(QLabel* label, QWidget* mainWindow);

}  // namespace scenario
