// The three numbers on a number line; the largest and the smallest, as the run finds them,
// are its points, each from the row that wrote it.
#include "problems/plots.h"

#include <algorithm>

namespace problems {

framework::Plot plotLargestSmallest(const framework::PlotSource& source)
{
    framework::Plot p {.title = QStringLiteral("Os três números na reta numérica"), .xLabel = QStringLiteral("Número")};
    p.numberLine = true;
    framework::PlotSeries found;
    found.name = QStringLiteral("Maior e Menor");
    found.style = framework::PlotSeries::Dots;
    const int last = source.rows() - 1;
    for (const char* which : {"Maior", "Menor"}) {
        const QString column = QString::fromLatin1(which);
        const QString text = last >= 0 ? source.text(last, column) : QString();
        int from = last;
        while (from > 0 && source.text(from - 1, column) == text)
            --from;
        if (const auto v = framework::shownNumber(text))
            found.points.push_back({*v, 0, text, QStringLiteral("0"), from, column + QStringLiteral(" = ") + text});
    }
    // In the order the run wrote them, so that the step shown marks the one it found last.
    std::sort(found.points.begin(), found.points.end(), [](const auto& a, const auto& b) { return a.row < b.row; });
    p.series.push_back(std::move(found));
    framework::PlotSeries numbers;
    numbers.name = QStringLiteral("N1, N2, N3");
    numbers.style = framework::PlotSeries::Dots;
    if (last >= 0)
        for (const char* n : {"N1", "N2", "N3"}) {
            const QString text = source.text(0, QString::fromLatin1(n));
            if (const auto v = framework::shownNumber(text))
                numbers.points.push_back({*v, 0, text, QStringLiteral("0"), 0, QString::fromLatin1(n)});
        }
    p.series.push_back(std::move(numbers));
    return p;
}

}  // namespace problems
