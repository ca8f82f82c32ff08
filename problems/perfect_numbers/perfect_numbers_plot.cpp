// The sum of the proper divisors of each N: the perfect numbers lie on the line Soma = N.
#include "problems/plots.h"

namespace problems {

framework::Plot plotPerfectNumbers(const framework::PlotSource& source)
{
    framework::Plot p;
    p.title = QStringLiteral("Soma dos divisores de cada N");
    p.xLabel = QStringLiteral("N");
    p.yLabel = QStringLiteral("Soma dos divisores");
    framework::PlotSeries sums = framework::columnSeries(source, QStringLiteral("N"), QStringLiteral("Soma"), QStringLiteral("Soma"));
    sums.style = framework::PlotSeries::Dots;
    for (framework::PlotPoint& point : sums.points)
        if (point.xText == point.yText)
            point.label = QStringLiteral("perfeito");
    p.series.push_back(std::move(sums));
    p.lines.push_back({1, -1, 0, QStringLiteral("Soma = N"), 0});
    return p;
}

}  // namespace problems
