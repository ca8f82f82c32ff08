// The two equations as lines of the plane, and the point where they cross.
#include "problems/plots.h"
#include "problems/linear_system/linear_system.h"

namespace problems {

framework::Plot plotLinearSystem(const framework::PlotSource& source)
{
    framework::Plot p {.title = QStringLiteral("As duas retas do sistema"),
                       .xLabel = QStringLiteral("x"),
                       .yLabel = QStringLiteral("y")};
    framework::PlotSeries crossing;
    crossing.name = QStringLiteral("Solução (X, Y)");
    crossing.style = framework::PlotSeries::Dots;
    for (int r = 0; r < source.rows(); ++r) {
        const std::optional<double> x = source.number(r, QStringLiteral("X")),
                                    y = source.number(r, QStringLiteral("Y"));
        if (x && y) {
            crossing.points.push_back(
                {*x, *y, source.text(r, QStringLiteral("X")), source.text(r, QStringLiteral("Y")), r, {}});
            break;
        }
    }
    p.series.push_back(std::move(crossing));
    if (source.rows() == 0)
        return p;
    double k[6];
    using namespace linear_system_controls;
    const framework::Name names[] = {Box::A1, Box::B1, Box::C1, Box::A2, Box::B2, Box::C2};
    for (int i = 0; i < 6; ++i) {
        const std::optional<double> v = framework::shownNumber(source.box(names[i]));
        if (!v)
            return p;
        k[i] = *v;
    }
    for (int e = 0; e < 2; ++e)
        if (k[3 * e] != 0 || k[3 * e + 1] != 0)
            p.lines.push_back({k[3 * e], k[3 * e + 1], k[3 * e + 2], QStringLiteral("Equação %1").arg(e + 1), 0});
    // Det = 0: no crossing to mark; the lines say why.
    const std::optional<double> det = source.number(0, QStringLiteral("Det"));
    if (det && *det == 0) {
        const bool same = k[0] * k[5] == k[3] * k[2] && k[1] * k[5] == k[4] * k[2];
        p.note = same ? QStringLiteral("As retas coincidem: o sistema tem infinitas soluções")
                      : QStringLiteral("As retas são paralelas: o sistema não tem solução");
    }
    return p;
}

}  // namespace problems
