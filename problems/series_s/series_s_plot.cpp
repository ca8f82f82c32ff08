// The partial sum S after each term, as it settles towards its limit.
#include "problems/plots.h"

namespace problems {

framework::Plot plotSeriesS(const framework::PlotSource& source)
{
    framework::Plot p {.title = QStringLiteral("Soma parcial S a cada termo"),
                       .xLabel = QStringLiteral("Expoente do termo (NAux)"),
                       .yLabel = QStringLiteral("S")};
    p.series.push_back(
        framework::columnSeries(source, QStringLiteral("NAux"), QStringLiteral("S"), QStringLiteral("S")));
    return p;
}

}  // namespace problems
