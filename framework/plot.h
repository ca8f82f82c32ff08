#pragma once
// A picture of a run, as data: what a problem's plot description makes of the desk check's rows
// and the window's boxes, and what the plot panel and the PDF draw. Every point keeps the desk
// check row it comes from, so that the rows after the step shown can be drawn faded.
#include "framework/name.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

namespace framework {

class TraceModel;

struct PlotPoint {
    double x = 0, y = 0;
    QString xText, yText;  // as the desk check (or the window's box) writes them
    int row = 0;  // the desk check row (0-based) it appears at
    QString label;  // a word beside it ("Maior"), or none
};

struct PlotSeries {
    enum Style { Dots, Joined, Bars };
    QString name;  // in the legend; none: no legend entry
    Style style = Joined;
    std::vector<PlotPoint> points;
};

// A straight line a·x + b·y = c across the whole plot, from row `row` on.
struct PlotLine {
    double a = 0, b = 0, c = 0;
    QString name;
    int row = 0;
};

// A curve given by its points, drawn whole whatever the step (the function the run tabulates).
struct PlotCurve {
    QString name;
    std::vector<std::vector<std::pair<double, double>>> pieces;
};

struct Plot {
    QString title;
    QString xLabel, yLabel;
    // The main series is the first: its points are the ones counted and marked.
    std::vector<PlotSeries> series;
    std::vector<PlotLine> lines;
    std::vector<PlotCurve> curves;
    // Points on one line: the y axis is left out.
    bool numberLine = false;
    // The x axis names its points instead of numbering them (bars).
    QStringList categories;
    // A sentence under the plot ("As retas são paralelas"), from row `noteRow` on.
    QString note;
    int noteRow = 0;

    const std::vector<PlotPoint>& main() const;
    bool empty() const;
};

// What a plot description reads: the desk check's rows and the window's boxes.
struct PlotSource {
    const TraceModel& trace;
    std::function<QString(Name)> box;  // the text of one of the window's boxes

    int rows() const;
    // The text of row `row` in the column headed `column` (empty when there is none).
    QString text(int row, const QString& column) const;
    // The number it writes (the display rule read back), or none when it is no number.
    std::optional<double> number(int row, const QString& column) const;
    // Whether row `row` writes every value as the row before it did (a row that only decides).
    bool repeats(int row) const;
    // The step number of row `row`, as the desk check numbers it.
    int step(int row) const;
};

// A number as the display rule writes it, read back; none for a text that is no number.
std::optional<double> shownNumber(const QString& text);

// The series of `y` against `x` (a column, or empty for the count of points): one point per row
// where both are numbers and the point differs from the one before.
PlotSeries columnSeries(const PlotSource& source, const QString& x, const QString& y, const QString& name = {},
                        PlotSeries::Style style = PlotSeries::Joined);

using PlotDescription = Plot (*)(const PlotSource&);

}  // namespace framework
