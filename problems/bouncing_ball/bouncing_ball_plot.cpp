// The ball's height after each bounce, with the path it has run so far.
#include "problems/plots.h"

namespace problems {

framework::Plot plotBouncingBall(const framework::PlotSource& source)
{
    framework::Plot p {.title = QStringLiteral("Altura da bola a cada toque no chão"),
                       .xLabel = QStringLiteral("Toques no chão (Cont)"),
                       .yLabel = QStringLiteral("Altura H e percurso Soma")};
    p.series.push_back(
        framework::columnSeries(source, QStringLiteral("Cont"), QStringLiteral("H"), QStringLiteral("H")));
    p.series.push_back(
        framework::columnSeries(source, QStringLiteral("Cont"), QStringLiteral("Soma"), QStringLiteral("Soma")));
    return p;
}

}  // namespace problems
