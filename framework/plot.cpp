#include "framework/plot.h"

#include "framework/numbers/rules.h"
#include "framework/trace_model.h"

#include <cmath>

namespace framework {

const std::vector<PlotPoint>& Plot::main() const
{
    static const std::vector<PlotPoint> none;
    return series.empty() ? none : series.front().points;
}

bool Plot::empty() const
{
    for (const PlotSeries& s : series)
        if (!s.points.empty())
            return false;
    return lines.empty() && curves.empty();
}

std::optional<double> shownNumber(const QString& text)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return std::nullopt;
    try {
        const double v = num::textToDouble(t.toStdString());
        if (std::isfinite(v))
            return v;
    } catch (const num::RuntimeError&) {
    }
    return std::nullopt;
}

// The rows seen: not a row waiting for the student to predict it, nor those after it.
int PlotSource::rows() const { return trace.seen(); }

QString PlotSource::text(int row, const QString& column) const
{
    const int c = int(trace.headings().indexOf(column));
    return c < 0 || c + 1 >= int(trace.headings().size()) ? QString() : trace.text(row, c);
}

std::optional<double> PlotSource::number(int row, const QString& column) const
{
    return shownNumber(text(row, column));
}

bool PlotSource::repeats(int row) const
{
    return row > 0 && row < rows() && trace.rows()[size_t(row)].values == trace.rows()[size_t(row) - 1].values;
}

int PlotSource::step(int row) const { return trace.firstStep() + row; }

PlotSeries columnSeries(const PlotSource& source, const QString& x, const QString& y, const QString& name,
                        PlotSeries::Style style)
{
    PlotSeries s {name, style, {}};
    for (int r = 0; r < source.rows(); ++r) {
        const std::optional<double> vy = source.number(r, y);
        const QString xText = x.isEmpty() ? QString::number(s.points.size() + 1) : source.text(r, x);
        const std::optional<double> vx = shownNumber(xText);
        if (!vx || !vy)
            continue;
        const QString yText = source.text(r, y);
        // The same values written again (a row that only decides, the answer) make no new point.
        if (source.repeats(r))
            continue;
        if (!x.isEmpty() && !s.points.empty() && s.points.back().xText == xText && s.points.back().yText == yText)
            continue;
        s.points.push_back({*vx, *vy, xText, yText, r, {}});
    }
    return s;
}

}  // namespace framework
