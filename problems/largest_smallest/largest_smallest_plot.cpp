// The three numbers on a number line, the largest and the smallest named once the run finds them.
#include "problems/plots.h"

namespace problems {

framework::Plot plotLargestSmallest(const framework::PlotSource& source)
{
    framework::Plot p;
    p.title = QStringLiteral("Os três números na reta numérica");
    p.xLabel = QStringLiteral("Número");
    p.numberLine = true;
    framework::PlotSeries numbers;
    numbers.name = QStringLiteral("N1, N2, N3");
    numbers.style = framework::PlotSeries::Dots;
    if (source.rows() > 0)
        for (const char* n : {"N1", "N2", "N3"}) {
            const QString text = source.text(0, QString::fromLatin1(n));
            if (const auto v = framework::shownNumber(text))
                numbers.points.push_back({*v, 0, text, QStringLiteral("0"), 0, QString::fromLatin1(n)});
        }
    p.series.push_back(std::move(numbers));
    // Maior and Menor as the run has them at its last row, each from the row that wrote it.
    for (const char* which : {"Maior", "Menor"}) {
        framework::PlotSeries found;
        found.name = QString::fromLatin1(which);
        found.style = framework::PlotSeries::Dots;
        const int last = source.rows() - 1;
        const QString text = last >= 0 ? source.text(last, found.name) : QString();
        int from = last;
        while (from > 0 && source.text(from - 1, found.name) == text)
            --from;
        if (const auto v = framework::shownNumber(text))
            found.points.push_back({*v, 0, text, QStringLiteral("0"), from, found.name + QStringLiteral(" = ") + text});
        p.series.push_back(std::move(found));
    }
    return p;
}

}  // namespace problems
