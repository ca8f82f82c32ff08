// The two points A and B and, once its equation is written, the line through them (both line
// windows: their desk checks start with the same four coordinates and the coefficients a, b, c).
#include "problems/plots.h"

namespace problems {

framework::Plot plotLine(const framework::PlotSource& source)
{
    framework::Plot p {.title = QStringLiteral("A reta que passa por A e B"),
                       .xLabel = QStringLiteral("x"),
                       .yLabel = QStringLiteral("y")};
    framework::PlotSeries points;
    points.name = QStringLiteral("Pontos A e B");
    points.style = framework::PlotSeries::Dots;
    p.series.push_back(points);
    if (source.rows() == 0)
        return p;
    const QString x0 = source.text(0, QStringLiteral("X0")), y0 = source.text(0, QStringLiteral("Y0"));
    const QString x1 = source.text(0, QStringLiteral("X1")), y1 = source.text(0, QStringLiteral("Y1"));
    const auto ax = framework::shownNumber(x0), ay = framework::shownNumber(y0);
    const auto bx = framework::shownNumber(x1), by = framework::shownNumber(y1);
    if (!ax || !ay || !bx || !by)
        return p;
    p.series[0].points = {{*ax, *ay, x0, y0, 0, QStringLiteral("A")}, {*bx, *by, x1, y1, 0, QStringLiteral("B")}};
    if (*ax == *bx && *ay == *by)
        return p;
    // The line appears at the row that writes the last of its coefficients.
    for (int r = 0; r < source.rows(); ++r)
        if (source.number(r, QStringLiteral("a")) && source.number(r, QStringLiteral("b"))
            && source.number(r, QStringLiteral("c"))) {
            p.lines.push_back(
                {*by - *ay, *ax - *bx, (*by - *ay) * *ax + (*ax - *bx) * *ay, QStringLiteral("Reta AB"), r});
            break;
        }
    return p;
}

}  // namespace problems
