// The sum of the proper divisors of each N: the perfect numbers lie on the line Soma = N.
#include "problems/plots.h"

namespace problems {

framework::Plot plotPerfectNumbers(const framework::PlotSource& source)
{
    framework::Plot p {.title = QStringLiteral("Soma dos divisores de cada N"),
                       .xLabel = QStringLiteral("N"),
                       .yLabel = QStringLiteral("Soma dos divisores")};
    framework::PlotSeries sums = framework::columnSeries(source, QStringLiteral("N"), QStringLiteral("Soma"),
                                                         QStringLiteral("Soma"), framework::PlotSeries::Dots);
    p.series.push_back(std::move(sums));
    p.lines.push_back({1, -1, 0, QStringLiteral("Soma = N"), 0});
    return p;
}

}  // namespace problems
