// Each candidate X against its three remainders, up to the one that leaves 2, 3 and 4.
#include "problems/plots.h"

namespace problems {

framework::Plot plotCongruencesSearch(const framework::PlotSource& source)
{
    framework::Plot p {.title = QStringLiteral("Restos de cada candidato X"),
                       .xLabel = QStringLiteral("Candidato X"),
                       .yLabel = QStringLiteral("Resto")};
    for (const char* r : {"R1", "R2", "R3"}) {
        framework::PlotSeries s
            = framework::columnSeries(source, QStringLiteral("X"), QString::fromLatin1(r), QString::fromLatin1(r));
        s.style = framework::PlotSeries::Dots;
        p.series.push_back(std::move(s));
    }
    return p;
}

}  // namespace problems
