#pragma once
// "Gráfico": a picture of the run of the active problem window, docked with the desk check.
// The same painting draws the panel on screen, at every zoom, and the plot of the PDF.
#include "framework/plot.h"

#include <QDockWidget>
#include <QFont>
#include <QPointer>
#include <QRectF>
#include <vector>

class QPainter;

namespace framework {
class Form;
class RunCycle;
}  // namespace framework

namespace shell {

// One text the plot wrote, where it wrote it.
struct PlotText {
    QRectF box;
    QString text;
    QFont font;
};

// What painting a plot left on the page: the area of the data, the texts, and where each point
// of the main series stands.
struct PlotDrawing {
    QRectF area;
    std::vector<PlotText> texts;
    std::vector<QPointF> points;
};

// The look of a plot: its letters and the width of a thin line (a pixel at 100 %).
struct PlotStyle {
    QFont font;
    double line = 1;
};

// Paints `plot` inside `room`, the rows from `shownRows` on being later than the step shown.
PlotDrawing paintPlot(QPainter& painter, const QRectF& room, const framework::Plot& plot, int shownRows,
                      const PlotStyle& style);
// The least room in which every text of `plot` stands whole.
QSizeF leastPlotSize(const framework::Plot& plot, const PlotStyle& style);
// The point of the main series that the step shown marks (its index), or -1 for none.
int markedPoint(const framework::Plot& plot, int shownRows);
// The plot of a problem window's run now, or an empty plot when the window has none.
framework::Plot plotOf(const framework::Form& form);

class PlotCanvas;

class PlotPanel : public QDockWidget {
    Q_OBJECT
public:
    explicit PlotPanel(QWidget* parent);

    // The window whose run it draws (null: none).
    void follow(framework::Form* form);
    framework::Form* form() const;
    QWidget* canvas() const;
    const framework::Plot& plot() const { return plot_; }
    int shownRows() const;
    // What the last painting wrote, in the canvas's coordinates.
    const PlotDrawing& drawing() const;
    // The fonts and strokes follow the zoom in force.
    void setScale();
    PlotStyle style() const;
    // The least size of the panel that shows the plot whole.
    QSize leastSize() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void rebuild();
    framework::RunCycle* cycle() const;

    PlotCanvas* canvas_;
    QPointer<framework::Form> form_;
    framework::Plot plot_;
    bool stale_ = false;  // the run changed while the panel was hidden
};

}  // namespace shell
