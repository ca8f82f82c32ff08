// The cents still to change after each pass, down to zero.
#include "problems/plots.h"

namespace problems {

framework::Plot plotStamps(const framework::PlotSource& source)
{
    framework::Plot p {.title = QStringLiteral("Valor que falta trocar a cada passagem"),
                       .xLabel = QStringLiteral("Passagem pelo laço"),
                       .yLabel = QStringLiteral("Valor (centavos)")};
    p.series.push_back(framework::columnSeries(source, {}, QStringLiteral("Valor"), QStringLiteral("Valor")));
    return p;
}

}  // namespace problems
