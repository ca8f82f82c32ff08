// The points of the table on the graph of f over [a, b].
#include "problems/plots.h"
#include "problems/function_table/function_table.h"

#include <algorithm>

namespace problems {

namespace {
// The three pieces of f, as the panel spells them: below -3, from -3 to 3, above 3.
double piece(int i, double x) { return i == 0 ? 2 * x - 3 : i == 1 ? -x * x / 3 : 2 * x - 9; }
}  // namespace

framework::Plot plotFunctionTable(const framework::PlotSource& source)
{
    framework::Plot p {.title = QStringLiteral("Tabela de f no intervalo [a, b]"),
                       .xLabel = QStringLiteral("X"),
                       .yLabel = QStringLiteral("f(X)")};
    framework::PlotSeries points = framework::columnSeries(source, QStringLiteral("X"), QStringLiteral("Fx"),
                                                           QStringLiteral("(X, f(X))"), framework::PlotSeries::Dots);
    p.series.push_back(std::move(points));
    const std::optional<double> a = framework::shownNumber(source.box(function_table_controls::Box::A));
    const std::optional<double> b = framework::shownNumber(source.box(function_table_controls::Box::B));
    if (a && b && *a < *b && source.rows() > 0) {
        framework::PlotCurve curve;
        curve.name = QStringLiteral("f");
        // Each piece on its own, so that no line joins them across the jump at -3.
        const double breaks[] = {*a, std::clamp(-3.0, *a, *b), std::clamp(3.0, *a, *b), *b};
        for (int i = 0; i < 3; ++i) {
            const double from = breaks[i], to = breaks[i + 1];
            if (to <= from)
                continue;
            std::vector<std::pair<double, double>> points;
            constexpr int kSamples = 64;
            for (int k = 0; k <= kSamples; ++k) {
                const double x = from + (to - from) * k / kSamples;
                points.emplace_back(x, piece(i, x));
            }
            curve.pieces.push_back(std::move(points));
        }
        p.curves.push_back(std::move(curve));
    }
    return p;
}

}  // namespace problems
