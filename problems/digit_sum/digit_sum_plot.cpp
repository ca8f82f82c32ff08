// The sum of the digits taken so far, one point per pass of the loop.
#include "problems/plots.h"

namespace problems {

framework::Plot plotDigitSum(const framework::PlotSource& source)
{
    framework::Plot p;
    p.title = QStringLiteral("Soma dos dígitos a cada passagem");
    p.xLabel = QStringLiteral("Passagem pelo laço");
    p.yLabel = QStringLiteral("Soma");
    p.series.push_back(framework::columnSeries(source, {}, QStringLiteral("Soma"), QStringLiteral("Soma")));
    return p;
}

}  // namespace problems
