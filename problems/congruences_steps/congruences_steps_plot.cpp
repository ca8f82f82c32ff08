// The searches for the inverses: Aux at each step tried, until it reaches 1.
#include "problems/plots.h"

namespace problems {

framework::Plot plotCongruencesSteps(const framework::PlotSource& source)
{
    framework::Plot p {.title = QStringLiteral("Busca dos inversos: Aux a cada passo"),
                       .xLabel = QStringLiteral("Passo"),
                       .yLabel = QStringLiteral("Aux")};
    framework::PlotSeries aux;
    aux.name = QStringLiteral("Aux");
    aux.style = framework::PlotSeries::Dots;
    for (int r = 0; r < source.rows(); ++r) {
        const std::optional<double> v = source.number(r, QStringLiteral("Aux"));
        // A row that leaves every value as it was tries nothing new.
        if (!v || source.repeats(r))
            continue;
        const int step = source.step(r);
        aux.points.push_back({double(step), *v, QString::number(step), source.text(r, QStringLiteral("Aux")), r, {}});
    }
    p.series.push_back(std::move(aux));
    p.lines.push_back({0, 1, 1, QStringLiteral("Aux = 1"), 0});
    return p;
}

}  // namespace problems
