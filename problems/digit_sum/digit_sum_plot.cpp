// The sum of the digits taken so far, one point per pass of the loop.
#include "problems/plots.h"

namespace problems {

framework::Plot plotDigitSum(const framework::PlotSource& source)
{
    framework::Plot p {.title = QStringLiteral("Soma dos dígitos a cada passagem"),
                       .xLabel = QStringLiteral("Passagem pelo laço"),
                       .yLabel = QStringLiteral("Soma")};
    p.series.push_back(framework::columnSeries(source, {}, QStringLiteral("Soma"), QStringLiteral("Soma")));
    return p;
}

}  // namespace problems
