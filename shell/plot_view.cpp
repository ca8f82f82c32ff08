#include "shell/plot_view.h"

#include "framework/colors.h"
#include "framework/controls.h"
#include "framework/form.h"
#include "framework/run_cycle.h"
#include "framework/text.h"
#include "framework/trace_model.h"
#include "problems/problems.h"

#include <QFontMetricsF>
#include <QLineEdit>
#include <QPainter>

#include <algorithm>
#include <cfloat>
#include <cmath>

namespace shell {

namespace {

const QColor kPaper(255, 255, 255);
const QColor kInk(0, 0, 0);
const QColor kAxis(64, 64, 64);
const QColor kGrid(224, 224, 224);
const QColor kCurve(96, 96, 96);
const QColor kSeries[] = {QColor(0, 0, 192), QColor(192, 0, 0), QColor(0, 128, 0)};
const QColor kLines[] = {QColor(128, 0, 128), QColor(176, 96, 0)};

// One axis: its ends, fixed from every point of the run, and its ticks.
struct Axis {
    double lo = 0, hi = 1;
    bool log = false;
    std::vector<double> ticks;
    QStringList labels;

    double at(double v) const
    {
        return log ? (std::log10(v) - std::log10(lo)) / (std::log10(hi) - std::log10(lo)) : (v - lo) / (hi - lo);
    }
};

// A step of 1, 2 or 5 times a power of ten that cuts `span` into at most `most` parts.
double niceStep(double span, int most)
{
    const double raw = span / qMax(1, most);
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (double m : {1.0, 2.0, 5.0, 10.0})
        if (m * power >= raw * (1 - 1e-12))
            return m * power;
    return 10 * power;
}

// `whole`: every value on the axis is a whole number (a count, a step), so ticks are too.
Axis linearAxis(double lo, double hi, int most, bool whole = false)
{
    Axis a;
    if (!(hi > lo)) {
        const double pad = lo == 0 ? 1 : std::fabs(lo) * 0.1;
        lo -= pad;
        hi += pad;
    }
    // A span beyond the largest Double is measured on quarters.
    lo = std::max(lo, -DBL_MAX / 4);
    hi = std::min(hi, DBL_MAX / 4);
    // A little room beyond the outermost points, so that none stands on the frame; zero, where
    // bars stand, stays the end.
    const double room = (hi - lo) * 0.04;
    if (lo != 0)
        lo -= room;
    if (hi != 0)
        hi += room;
    // The ends are the data's; the ticks the round numbers between them, two at least.
    a.lo = lo;
    a.hi = hi;
    double step = niceStep(hi - lo, most);
    for (int finer = most * 2; std::floor(hi / step) - std::ceil(lo / step) < 1 && finer <= most * 16; finer *= 2)
        step = niceStep(hi - lo, finer);
    if (whole)
        step = std::max(step, 1.0);
    const double first = std::ceil(lo / step) * step;
    const int count = int(std::llround(std::floor(hi / step) - std::ceil(lo / step)));
    for (int k = 0; k <= count; ++k) {
        double t = first + k * step;
        if (std::fabs(t) < step * 1e-9)
            t = 0;
        a.ticks.push_back(t);
        a.labels << framework::shownDouble(t);
    }
    return a;
}

Axis logAxis(double lo, double hi, int most)
{
    Axis a;
    a.log = true;
    int from = int(std::floor(std::log10(lo))), to = std::min(308, int(std::ceil(std::log10(hi))));
    if (to <= from)
        ++to;
    const int stride = std::max(1, (to - from + most - 1) / std::max(1, most));
    from = int(std::floor(double(from) / stride)) * stride;
    to = std::min(308, int(std::ceil(double(to) / stride)) * stride);
    a.lo = std::pow(10.0, from);
    a.hi = std::pow(10.0, to);
    for (int e = from; e <= to; e += stride) {
        a.ticks.push_back(std::pow(10.0, e));
        a.labels << framework::shownDouble(std::pow(10.0, e));
    }
    return a;
}

// Where a line a·x + b·y = c enters and leaves the box of the axes, or nothing.
bool clipLine(const framework::PlotLine& l, const Axis& x, const Axis& y, QPointF& from, QPointF& to)
{
    std::vector<QPointF> ends;
    const auto inside
        = [](double v, double lo, double hi) { return v >= lo - (hi - lo) * 1e-9 && v <= hi + (hi - lo) * 1e-9; };
    if (l.b != 0)
        for (double vx : {x.lo, x.hi})
            if (const double vy = (l.c - l.a * vx) / l.b; inside(vy, y.lo, y.hi))
                ends.emplace_back(vx, vy);
    if (l.a != 0)
        for (double vy : {y.lo, y.hi})
            if (const double vx = (l.c - l.b * vy) / l.a; inside(vx, x.lo, x.hi))
                ends.emplace_back(vx, vy);
    if (ends.size() < 2)
        return false;
    double best = -1;
    for (size_t i = 0; i < ends.size(); ++i)
        for (size_t j = i + 1; j < ends.size(); ++j) {
            const QPointF d = ends[i] - ends[j];
            if (const double far = d.x() * d.x() + d.y() * d.y(); far > best) {
                best = far;
                from = ends[i];
                to = ends[j];
            }
        }
    return true;
}

// The ends of the data: every point of the run (later ones too, so that stepping never moves
// the axes), the curves, and where the lines cross the axes.
struct Extent {
    double xlo = INFINITY, xhi = -INFINITY, ylo = INFINITY, yhi = -INFINITY;
    bool positiveY = true;
    bool wholeX = true, wholeY = true;
    void add(double x, double y)
    {
        if (!std::isfinite(x) || !std::isfinite(y))
            return;
        xlo = std::min(xlo, x), xhi = std::max(xhi, x), ylo = std::min(ylo, y), yhi = std::max(yhi, y);
        positiveY = positiveY && y > 0;
        wholeX = wholeX && x == std::floor(x);
        wholeY = wholeY && y == std::floor(y);
    }
};

Extent extentOf(const framework::Plot& plot)
{
    Extent e;
    for (const framework::PlotSeries& s : plot.series)
        for (const framework::PlotPoint& p : s.points)
            e.add(p.x, p.y);
    for (const framework::PlotCurve& c : plot.curves)
        for (const auto& piece : c.pieces)
            for (const auto& [x, y] : piece)
                e.add(x, y);
    // With fewer than two points to frame it, where each line crosses the axes (a line
    // parallel to one crosses the other only).
    size_t points = 0;
    for (const framework::PlotSeries& s : plot.series)
        points += s.points.size();
    for (const framework::PlotLine& l : points >= 2 ? std::vector<framework::PlotLine>() : plot.lines) {
        if (l.a != 0)
            e.add(l.c / l.a, 0);
        if (l.b != 0)
            e.add(0, l.c / l.b);
    }
    if (!plot.categories.isEmpty()) {
        // The bars stand on zero.
        e.add(0.5, 0);
        e.add(plot.categories.size() + 0.5, 0);
    }
    if (e.xlo > e.xhi)
        e.xlo = 0, e.xhi = 1;
    if (e.ylo > e.yhi)
        e.ylo = 0, e.yhi = 1;
    e.positiveY = e.positiveY && e.ylo > 0;
    return e;
}

struct Entry {
    QString name;
    QColor color;
    bool line;  // a stroke; else a dot
};

std::vector<Entry> legendOf(const framework::Plot& plot, const std::function<QColor(const QColor&)>& paint)
{
    std::vector<Entry> entries;
    for (size_t i = 0; i < plot.series.size(); ++i)
        if (!plot.series[i].name.isEmpty() && !plot.series[i].points.empty()
            && plot.series[i].style != framework::PlotSeries::Bars)
            entries.push_back(
                {plot.series[i].name, paint(kSeries[i % 3]), plot.series[i].style == framework::PlotSeries::Joined});
    for (size_t i = 0; i < plot.lines.size(); ++i)
        if (!plot.lines[i].name.isEmpty())
            entries.push_back({plot.lines[i].name, paint(kLines[i % 2]), true});
    for (const framework::PlotCurve& c : plot.curves)
        if (!c.name.isEmpty())
            entries.push_back({c.name, paint(kCurve), true});
    return entries;
}

// The layout of one plot in a room: every box, worked out before anything is painted.
struct Layout {
    QRectF area;
    Axis x, y;
    PlotText title, xLabel, yLabel, note;
    std::vector<PlotText> xTicks, yTicks;
    std::vector<std::pair<QRectF, Entry>> legend;  // the swatch and text of each entry, together
    std::vector<PlotText> legendTexts;
};

QFont boldOf(QFont f)
{
    f.setBold(true);
    return f;
}

Layout layOut(const framework::Plot& plot, const QRectF& room, const PlotStyle& style, QPaintDevice* device,
              const std::vector<Entry>& entries)
{
    Layout L;
    const QFont font = style.font, bold = boldOf(style.font);
    const QFontMetricsF fm(font, device), fb(bold, device);
    const double line = fm.height(), gap = line * 0.4;
    double top = room.top(), bottom = room.bottom();

    // The title, then the legend in rows as wide as the room allows.
    L.title = {QRectF(room.center().x() - fb.horizontalAdvance(plot.title) / 2, top, fb.horizontalAdvance(plot.title),
                      fb.height()),
               plot.title, bold};
    top += fb.height() + gap;
    const double swatch = line * 1.5;
    double x = room.left();
    bool rowUsed = false;
    for (const Entry& e : entries) {
        const double w = swatch + gap / 2 + fm.horizontalAdvance(e.name);
        if (rowUsed && x + w > room.right()) {
            x = room.left();
            top += line;
            rowUsed = false;
        }
        L.legend.push_back({QRectF(x, top, swatch, line), e});
        L.legendTexts.push_back({QRectF(x + swatch + gap / 2, top, fm.horizontalAdvance(e.name), line), e.name, font});
        x += w + line;
        rowUsed = true;
    }
    if (!entries.empty())
        top += line + gap;

    // Below the axes: the ticks' labels, the x axis's name, the note.
    if (!plot.note.isEmpty()) {
        bottom -= line;
        L.note = {QRectF(room.left(), bottom, fm.horizontalAdvance(plot.note), line), plot.note, font};
        bottom -= gap;
    }
    if (!plot.xLabel.isEmpty()) {
        bottom -= line;
        L.xLabel = {QRectF(0, bottom, fm.horizontalAdvance(plot.xLabel), line), plot.xLabel, font};
    }
    // The ticks' labels, under the half of the lowest y label that reaches below the axis.
    const double tickLength = line * 0.3, underAxis = line * 0.55;
    bottom -= line + gap + underAxis;

    const Extent e = extentOf(plot);
    double left = room.left();
    if (!plot.numberLine) {
        // The y axis's name stands over it, read across.
        if (!plot.yLabel.isEmpty()) {
            L.yLabel = {QRectF(room.left(), top, fm.horizontalAdvance(plot.yLabel), line), plot.yLabel, font};
            top += line + gap;
        }
        // The highest y label reaches above the axis by half its height.
        top += line / 2;
        // The y axis first: its labels' width decides the room left for the x axis.
        const int mostY = std::max(2, int((bottom - top) / (line * 2.2)));
        L.y = e.positiveY && e.yhi / e.ylo > 1e4 && plot.categories.isEmpty()
            ? logAxis(e.ylo, e.yhi, mostY)
            : linearAxis(e.ylo, e.yhi, mostY, e.wholeY);
        double widest = 0;
        for (const QString& t : L.y.labels)
            widest = std::max(widest, fm.horizontalAdvance(t));
        left += widest + gap + tickLength;
    } else {
        // One line of numbers near the bottom of its band: the points on it, two lines of
        // names over them.
        const double band = line * 3.4;
        top = std::max(top, bottom - band);
        L.y = linearAxis(-1, 1, 2);
        L.y.ticks.clear();
        L.y.labels.clear();
        // Room for half the first number under the line's left end.
        left += line;
    }
    L.area = QRectF(QPointF(left, top), QPointF(room.right(), bottom));
    if (plot.categories.isEmpty()) {
        // As many ticks as their labels leave room for, the last label standing whole in the
        // room (the area ends half of it short of the room's right).
        for (int most = std::max(2, int(L.area.width() / (line * 3))); most >= 1; --most) {
            L.x = linearAxis(e.xlo, e.xhi, most, e.wholeX);
            double widest = 0;
            for (const QString& t : L.x.labels)
                widest = std::max(widest, fm.horizontalAdvance(t));
            L.area.setRight(room.right() - (L.x.labels.isEmpty() ? 0 : fm.horizontalAdvance(L.x.labels.last()) / 2));
            const double spacing = L.x.ticks.size() < 2
                ? L.area.width()
                : L.area.width() * L.x.at(L.x.ticks[1]) - L.area.width() * L.x.at(L.x.ticks[0]);
            if (spacing >= widest + line)
                break;
        }
    } else {
        L.x.lo = 0.5;
        L.x.hi = plot.categories.size() + 0.5;
        for (int i = 0; i < plot.categories.size(); ++i) {
            L.x.ticks.push_back(i + 1);
            L.x.labels << plot.categories[i];
        }
    }
    const double tickTop = L.area.bottom() + underAxis;
    for (size_t i = 0; i < L.x.ticks.size(); ++i) {
        const double at = L.area.left() + L.x.at(L.x.ticks[i]) * L.area.width();
        const double w = fm.horizontalAdvance(L.x.labels[int(i)]);
        L.xTicks.push_back({QRectF(at - w / 2, tickTop, w, line), L.x.labels[int(i)], font});
    }
    for (size_t i = 0; i < L.y.ticks.size(); ++i) {
        const double at = L.area.bottom() - L.y.at(L.y.ticks[i]) * L.area.height();
        const double w = fm.horizontalAdvance(L.y.labels[int(i)]);
        L.yTicks.push_back(
            {QRectF(L.area.left() - tickLength - gap / 2 - w, at - line / 2, w, line), L.y.labels[int(i)], font});
    }
    if (!plot.xLabel.isEmpty())
        L.xLabel.box.moveLeft(L.area.center().x() - L.xLabel.box.width() / 2);
    return L;
}

std::vector<const PlotText*> textsOf(const Layout& L)
{
    std::vector<const PlotText*> all {&L.title};
    for (const PlotText& t : L.legendTexts)
        all.push_back(&t);
    for (const PlotText& t : L.xTicks)
        all.push_back(&t);
    for (const PlotText& t : L.yTicks)
        all.push_back(&t);
    for (const PlotText* t : {&L.xLabel, &L.yLabel, &L.note})
        if (!t->text.isEmpty())
            all.push_back(t);
    return all;
}

void drawText(QPainter& p, const PlotText& t, const QColor& color)
{
    p.setFont(t.font);
    p.setPen(color);
    p.drawText(t.box, Qt::AlignCenter | Qt::TextDontClip, t.text);
}

}  // namespace

int markedPoint(const framework::Plot& plot, int shownRows)
{
    int marked = -1;
    const std::vector<framework::PlotPoint>& main = plot.main();
    for (size_t i = 0; i < main.size(); ++i)
        if (main[i].row < shownRows)
            marked = int(i);
    return marked;
}

QSizeF leastPlotSize(const framework::Plot& plot, const PlotStyle& style)
{
    const QFontMetricsF fm(style.font), fb(boldOf(style.font));
    const double line = fm.height();
    double wide = fb.horizontalAdvance(plot.title);
    for (const QString& t : {plot.xLabel, plot.yLabel, plot.note})
        wide = std::max(wide, fm.horizontalAdvance(t));
    // Room for a few legend entries and an axis of a few ticks.
    wide = std::max(wide, line * 22);
    // The texts over and under the axes take about nine lines; the data at least three more,
    // and never less than a hundred pixels.
    const double data = std::max(line * 3, 100.0);
    const double texts = (plot.numberLine ? 5 : 9.5) + (plot.note.isEmpty() ? 0 : 1.4);
    return QSizeF(wide + line, line * texts + (plot.numberLine ? line * 4 : data));
}

PlotDrawing paintPlot(QPainter& p, const QRectF& room, const framework::Plot& plot, int shownRows,
                      const PlotStyle& style)
{
    const auto paint = [](const QColor& c) { return framework::legible(c, kPaper); };
    const std::vector<Entry> entries = legendOf(plot, paint);
    const Layout L = layOut(plot, room, style, p.device(), entries);
    PlotDrawing drawn;
    drawn.area = L.area;
    for (const PlotText* t : textsOf(L))
        drawn.texts.push_back(*t);

    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.fillRect(room, kPaper);
    const double w = style.line;
    // A number line stands near the bottom of its band, the names of its points over it.
    const double numberLineLift = QFontMetricsF(style.font, p.device()).height() * 0.4;
    const auto toScreen = [&](double x, double y) {
        const double sx = L.area.left() + L.x.at(x) * L.area.width();
        const double sy
            = plot.numberLine ? L.area.bottom() - numberLineLift : L.area.bottom() - L.y.at(y) * L.area.height();
        return QPointF(std::clamp(sx, -1e6, 1e6), std::clamp(sy, -1e6, 1e6));
    };

    // The grid and the axes.
    p.setPen(QPen(kGrid, w));
    for (double t : L.y.ticks)
        p.drawLine(toScreen(L.x.lo, t), toScreen(L.x.hi, t));
    if (plot.categories.isEmpty())
        for (double t : L.x.ticks)
            p.drawLine(QPointF(toScreen(t, 0).x(), L.area.top()), QPointF(toScreen(t, 0).x(), L.area.bottom()));
    p.setPen(QPen(paint(kAxis), w));
    const double tick = L.xTicks.empty() ? 0 : L.xTicks.front().box.top() - L.area.bottom();
    if (plot.numberLine) {
        p.drawLine(toScreen(L.x.lo, 0), toScreen(L.x.hi, 0));
        for (double t : L.x.ticks) {
            const QPointF at = toScreen(t, 0);
            p.drawLine(at, QPointF(at.x(), L.area.bottom() + tick));
        }
    } else {
        p.drawRect(L.area);
        for (double t : L.x.ticks)
            p.drawLine(QPointF(toScreen(t, 0).x(), L.area.bottom()),
                       QPointF(toScreen(t, 0).x(), L.area.bottom() + tick));
        for (double t : L.y.ticks)
            p.drawLine(QPointF(L.area.left(), toScreen(L.x.lo, t).y()),
                       QPointF(L.area.left() - tick, toScreen(L.x.lo, t).y()));
    }
    for (const PlotText* t : textsOf(L))
        drawText(p, *t, paint(kInk));
    for (const auto& [box, entry] : L.legend) {
        p.setPen(QPen(entry.color, 2 * w));
        p.setBrush(entry.color);
        if (entry.line)
            p.drawLine(QPointF(box.left(), box.center().y()), QPointF(box.right(), box.center().y()));
        else
            p.drawEllipse(box.center(), 3 * w, 3 * w);
    }

    p.setClipRect(L.area.adjusted(-6 * w, -6 * w, 6 * w, 6 * w));
    const QColor later = paint(framework::LaterGrey);
    for (const framework::PlotCurve& c : plot.curves) {
        p.setPen(QPen(paint(kCurve), 1.5 * w));
        for (const auto& piece : c.pieces) {
            QPolygonF poly;
            for (const auto& [x, y] : piece)
                poly << toScreen(x, y);
            p.drawPolyline(poly);
        }
    }
    for (size_t i = 0; i < plot.lines.size(); ++i) {
        const framework::PlotLine& l = plot.lines[i];
        QPointF from, to;
        if (L.y.log || !clipLine(l, L.x, L.y, from, to))
            continue;
        const bool shown = l.row < shownRows;
        p.setPen(QPen(shown ? paint(kLines[i % 2]) : later, (shown ? 2 : 1) * w, shown ? Qt::SolidLine : Qt::DashLine));
        p.drawLine(toScreen(from.x(), from.y()), toScreen(to.x(), to.y()));
    }
    const int marked = markedPoint(plot, shownRows);
    const QFontMetricsF fm(style.font, p.device());
    struct Label {
        QString text;
        QPointF at;
        bool main, shown;
    };
    std::vector<Label> labels;
    for (size_t s = plot.series.size(); s-- > 0;) {
        const framework::PlotSeries& series = plot.series[s];
        const QColor color = paint(kSeries[s % 3]);
        std::vector<QPointF> at;
        for (const framework::PlotPoint& pt : series.points)
            at.push_back(toScreen(pt.x, pt.y));
        if (s == 0)
            drawn.points = at;
        // The part of the run shown, then what comes after it, faded.
        if (series.style == framework::PlotSeries::Joined && at.size() > 1) {
            QPolygonF now, after;
            for (size_t i = 0; i < at.size(); ++i) {
                if (series.points[i].row < shownRows)
                    now << at[i];
                if (series.points[i].row >= shownRows || (i + 1 < at.size() && series.points[i + 1].row >= shownRows))
                    after << at[i];
            }
            p.setPen(QPen(later, w, Qt::DashLine));
            p.drawPolyline(after);
            p.setPen(QPen(color, 2 * w));
            p.drawPolyline(now);
        }
        for (size_t i = 0; i < at.size(); ++i) {
            const bool shown = series.points[i].row < shownRows;
            if (series.style == framework::PlotSeries::Bars) {
                const double half = L.area.width() / (L.x.hi - L.x.lo) * 0.3;
                const QPointF base = toScreen(series.points[i].x, std::max(L.y.lo, 0.0));
                const QRectF bar(QPointF(at[i].x() - half, std::min(at[i].y(), base.y())),
                                 QPointF(at[i].x() + half, std::max(at[i].y(), base.y())));
                p.setPen(QPen(shown ? color : later, w, shown ? Qt::SolidLine : Qt::DashLine));
                p.setBrush(shown ? QBrush(QColor(color.red(), color.green(), color.blue(), 96)) : QBrush(Qt::NoBrush));
                p.drawRect(bar);
            } else if (at.size() <= 400 || series.style == framework::PlotSeries::Dots) {
                p.setPen(QPen(shown ? color : later, w));
                p.setBrush(shown ? QBrush(color) : Qt::NoBrush);
                p.drawEllipse(at[i], 2.5 * w, 2.5 * w);
            }
            if (!series.points[i].label.isEmpty())
                labels.push_back({series.points[i].label, at[i], s == 0, shown});
        }
    }
    // The names of points, over them (on a number line the main series's a line higher), or
    // under them where the frame's top is near; never outside the plot.
    p.setClipping(false);
    for (const Label& label : labels) {
        const double tw = fm.horizontalAdvance(label.text), th = fm.height();
        const double lift = 4 * w + th * (plot.numberLine && label.main ? 2 : 1);
        QRectF box(label.at.x() - tw / 2, label.at.y() - lift, tw, th);
        if (!plot.numberLine && box.top() < L.area.top())
            box.moveTop(label.at.y() + 4 * w);
        box.moveLeft(std::clamp(box.left(), L.area.left(), room.right() - tw));
        drawText(p, {box, label.text, style.font}, label.shown ? paint(kInk) : later);
        drawn.texts.push_back({box, label.text, style.font});
    }
    if (marked >= 0) {
        // The point of the step shown: a ring around it.
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(paint(kInk), 2 * w));
        p.drawEllipse(drawn.points[size_t(marked)], 6 * w, 6 * w);
    }
    p.restore();
    return drawn;
}

framework::Plot plotOf(const framework::Form& form)
{
    const framework::PlotDescription describe = problems::plotOf(form.objectName());
    const framework::RunCycle* cycle = form.run();
    if (!describe || !cycle)
        return {};
    const framework::PlotSource source {*cycle->model(), [&form](framework::Name name) {
                                            const QLineEdit* box = form.textBox(name);
                                            return box ? box->text() : QString();
                                        }};
    return describe(source);
}

// The panel's drawing surface.
class PlotCanvas : public QWidget {
public:
    explicit PlotCanvas(PlotPanel* panel)
        : QWidget(panel)
        , panel_(panel)
    {
        setObjectName(QStringLiteral("Area_Grafico"));
        setAccessibleName(QStringLiteral("Gráfico da execução"));
    }
    const PlotDrawing& drawing() const { return drawing_; }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        const double margin = panel_->style().font.pointSizeF() * 0.6;
        drawing_ = paintPlot(p, QRectF(rect()).adjusted(margin, margin, -margin, -margin), panel_->plot(),
                             panel_->shownRows(), panel_->style());
    }

private:
    PlotPanel* panel_;
    PlotDrawing drawing_;
};

PlotPanel::PlotPanel(QWidget* parent)
    : QDockWidget(QStringLiteral("Gráfico"), parent)
{
    setObjectName(QStringLiteral("Grafico"));
    setAccessibleName(QStringLiteral("Gráfico"));
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable);
    setAllowedAreas(Qt::RightDockWidgetArea | Qt::LeftDockWidgetArea | Qt::BottomDockWidgetArea);
    canvas_ = new PlotCanvas(this);
    setWidget(canvas_);
    setScale();
}

QWidget* PlotPanel::canvas() const { return canvas_; }

framework::Form* PlotPanel::form() const { return form_; }

const PlotDrawing& PlotPanel::drawing() const { return canvas_->drawing(); }

framework::RunCycle* PlotPanel::cycle() const { return form_ ? form_->run() : nullptr; }

int PlotPanel::shownRows() const
{
    const framework::RunCycle* c = cycle();
    return c ? c->shownStep() : 0;
}

PlotStyle PlotPanel::style() const
{
    return {framework::scaledFont(), framework::scale() * (framework::projectorColors() ? 1.5 : 1.0)};
}

void PlotPanel::setScale()
{
    setFont(framework::scaledFont());
    canvas_->setMinimumSize(leastPlotSize(plot_, style()).toSize());
    canvas_->update();
}

QSize PlotPanel::leastSize() const { return canvas_->minimumSize() + (size() - canvas_->size()); }

void PlotPanel::follow(framework::Form* form)
{
    if (form == form_) {
        rebuild();
        return;
    }
    if (form_) {
        disconnect(form_, nullptr, this, nullptr);
        if (framework::RunCycle* old = cycle()) {
            disconnect(old, nullptr, this, nullptr);
            disconnect(old->model(), nullptr, this, nullptr);
        }
    }
    form_ = form;
    if (framework::RunCycle* c = cycle()) {
        // New rows, rows dropped or the model anew change the plot; another step only its marks.
        connect(c, &framework::RunCycle::moved, canvas_, qOverload<>(&QWidget::update));
        connect(c, &framework::RunCycle::stepped, this, &PlotPanel::rebuild);
        connect(c->model(), &QAbstractItemModel::rowsRemoved, this, &PlotPanel::rebuild);
        connect(c->model(), &QAbstractItemModel::modelReset, this, &PlotPanel::rebuild);
        connect(form, &QObject::destroyed, this, [this] {
            plot_ = {};
            canvas_->update();
        });
    }
    rebuild();
}

void PlotPanel::showEvent(QShowEvent* event)
{
    QDockWidget::showEvent(event);
    if (stale_)
        rebuild();
}

void PlotPanel::rebuild()
{
    // A hidden panel costs the run nothing: it is drawn anew when shown.
    stale_ = !isVisible();
    if (stale_)
        return;
    plot_ = form_ ? shell::plotOf(*form_) : framework::Plot();
    canvas_->setMinimumSize(leastPlotSize(plot_, style()).toSize());
    canvas_->update();
}

}  // namespace shell
