// The salary typed and the salary adjusted, side by side.
#include "problems/plots.h"

namespace problems {

framework::Plot plotSalary(const framework::PlotSource& source)
{
    framework::Plot p {.title = QStringLiteral("Salário antes e depois do reajuste"),
                       .yLabel = QStringLiteral("Salário (R$)")};
    p.categories = {QStringLiteral("Antes"), QStringLiteral("Depois")};
    framework::PlotSeries bars;
    bars.style = framework::PlotSeries::Bars;
    const int last = source.rows() - 1;
    for (int r = 0; r <= last; ++r)
        if (const auto v = source.number(r, QStringLiteral("X"))) {
            bars.points.push_back({1, *v, p.categories[0], source.text(r, QStringLiteral("X")), r, {}});
            break;
        }
    // The adjusted salary: the row that writes X anew.
    if (!bars.points.empty())
        for (int r = bars.points[0].row + 1; r <= last; ++r) {
            const QString text = source.text(r, QStringLiteral("X"));
            if (const auto v = framework::shownNumber(text); v && text != bars.points[0].yText) {
                bars.points.push_back({2, *v, p.categories[1], text, r, {}});
                break;
            }
        }
    p.series.push_back(std::move(bars));
    return p;
}

}  // namespace problems
