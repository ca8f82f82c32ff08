// The desk check as a printed page: the window's title and statement, a picture of the window
// (with the step it shows, when the student has gone back), then the table, its headings at
// the top of every page, and the plot of the run. A row never splits over two pages and a value
// never breaks; only the sentence wraps, between words. Rows the student predicted are marked as
// on screen, and the score closes the table.
#include "framework/colors.h"
#include "framework/form.h"
#include "framework/run_cycle.h"
#include "framework/trace_model.h"
#include "shell/desk_check.h"
#include "shell/plot_view.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <numeric>

namespace shell {

namespace {
const QColor kGrid(96, 96, 96);

QFont pointFont(double points, bool bold = false)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}
}  // namespace

void printDeskCheck(QPdfWriter& pdf, const framework::Form& form, const framework::TraceModel& model,
                    const QString& statement)
{
    const int values = model.columnCount() - 1;
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), values > 7 ? QPageLayout::Landscape : QPageLayout::Portrait,
                                  QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
    pdf.setResolution(300);
    pdf.setTitle(form.windowTitle().trimmed());
    pdf.setCreator(QStringLiteral("Matravel"));

    QPainter p(&pdf);
    const QRectF page(QPointF(0, 0), QSizeF(pdf.width(), pdf.height()));
    const double mm = pdf.resolution() / 25.4;
    double y = 0;
    const auto paragraph = [&](const QString& text, const QFont& font, double after) {
        p.setFont(font);
        const QRectF box = p.boundingRect(QRectF(0, y, page.width(), page.height()), Qt::TextWordWrap, text);
        p.drawText(box, Qt::TextWordWrap, text);
        y = box.bottom() + after * mm;
    };
    paragraph(form.windowTitle().trimmed(), pointFont(14, true), 3);
    paragraph(statement, pointFont(10), 4);

    // The window as it is now, as large as it was on screen at most, never split.
    const QImage picture = const_cast<framework::Form&>(form).grab().toImage();
    const double screenToPage = pdf.resolution() / 96.0;
    const double fit = std::min({screenToPage, page.width() / qMax(1, picture.width()),
                             page.height() * 0.6 / qMax(1, picture.height())});
    const QSizeF shownSize(picture.width() * fit, picture.height() * fit);
    if (y + shownSize.height() > page.height()) {
        pdf.newPage();
        y = 0;
    }
    p.drawImage(QRectF(QPointF(0, y), shownSize), picture);
    y += shownSize.height() + 2 * mm;
    const framework::RunCycle* cycle = form.run();
    if (cycle && cycle->shownStep() < model.seen())
        paragraph(QStringLiteral("Passo %1 de %2").arg(cycle->shownStep()).arg(model.seen()), pointFont(10), 2);
    y += 2 * mm;
    paragraph(QStringLiteral("Teste de mesa"), pointFont(12, true), 2);

    // The columns: the step, the values as wide as their widest, the sentence in what is left
    // (a third of the page at least); the letters grow smaller until the values fit.
    QStringList headings{QStringLiteral("Passo")};
    headings += model.headings();
    const int columns = int(headings.size());
    const auto cell = [&](int row, int c) {
        return c == 0 ? QString::number(model.firstStep() + row) : model.cellText(row, c - 1);
    };
    // The rows seen: a row waiting for its prediction is not printed.
    const int rows = model.seen();
    double points = 8;
    std::vector<double> width(size_t(columns), 0);
    const double pad = 1.2 * mm;
    for (;; points -= 0.5) {
        const QFontMetricsF plain(pointFont(points), &pdf), bold(pointFont(points, true), &pdf);
        for (int c = 0; c + 1 < columns; ++c) {
            width[size_t(c)] = bold.horizontalAdvance(headings[c]) + 2 * pad;
            for (int r = 0; r < rows; ++r)
                width[size_t(c)] = qMax(width[size_t(c)], bold.horizontalAdvance(cell(r, c)) + 2 * pad);
        }
        const double used = std::accumulate(width.begin(), width.end() - 1, 0.0);
        width.back() = page.width() - used;
        if (width.back() >= page.width() / 3 || points <= 4)
            break;
    }
    const QFont plainFont = pointFont(points), boldFont = pointFont(points, true);
    const QFontMetricsF plain(plainFont, &pdf);
    const double line = plain.height();
    const auto heightOf = [&](int row) {
        const QString said = row < 0 ? headings.last() : cell(row, columns - 1);
        const QRectF box = plain.boundingRect(QRectF(0, 0, width.back() - 2 * pad, 1e6), Qt::TextWordWrap, said);
        return qMax(line, box.height()) + 1.5 * pad;
    };
    const auto drawRow = [&](int row) {
        const double h = heightOf(row);
        double x = 0;
        for (int c = 0; c < columns; ++c) {
            const QRectF box(x, y, width[size_t(c)], h);
            const bool changed = row >= 0 && c > 0 && model.changed(row, c - 1);
            // The colour the table gives the cell: changed, or predicted right or wrong.
            const QVariant fill = row >= 0 && c > 0 ? model.index(row, c - 1).data(Qt::BackgroundRole) : QVariant();
            if (fill.isValid())
                p.fillRect(box, fill.value<QBrush>());
            p.setPen(kGrid);
            p.drawRect(box);
            p.setFont(row < 0 || changed ? boldFont : plainFont);
            p.setPen(row >= model.shownRows() ? framework::LaterGrey : Qt::black);
            const QString text = row < 0 ? headings[c] : cell(row, c);
            const bool said = c == columns - 1;
            const int align = (said ? Qt::AlignLeft | Qt::TextWordWrap : row < 0 ? Qt::AlignHCenter : Qt::AlignRight)
                              | Qt::AlignVCenter;
            p.drawText(box.adjusted(pad, 0, -pad, 0), align, text);
            x += width[size_t(c)];
        }
        y += h;
    };
    const auto startPage = [&] {
        pdf.newPage();
        y = 0;
        drawRow(-1);
    };
    if (y + heightOf(-1) + (rows ? heightOf(0) : 0) > page.height())
        startPage();
    else
        drawRow(-1);
    for (int r = 0; r < rows; ++r) {
        if (y + heightOf(r) > page.height())
            startPage();
        drawRow(r);
    }
    if (model.predictedSteps() > 0) {
        y += 2 * mm;
        if (y + 2 * line > page.height()) {
            pdf.newPage();
            y = 0;
        }
        p.setPen(Qt::black);
        paragraph(model.scoreText() + QStringLiteral("; valores certos: %1 de %2")
                                               .arg(model.rightCells())
                                               .arg(model.predictedCells()),
                  plainFont, 0);
    }

    // The plot, as the panel draws it, on the rest of the page or on a page of its own.
    const framework::Plot plot = plotOf(form);
    if (plot.empty())
        return;
    // Letter by letter, with no ligature: "Gráfico" is found in the file as it is written.
    const auto unshaped = [](QFont f) {
        f.setStyleStrategy(QFont::PreferNoShaping);
        return f;
    };
    const PlotStyle style{unshaped(pointFont(9)), pdf.resolution() / 96.0};
    const QSizeF least = leastPlotSize(plot, style);
    const double height = std::max(least.height() * pdf.resolution() / 96.0, page.width() * 0.55);
    const double heading = QFontMetricsF(unshaped(pointFont(12, true)), &pdf).height() + 2 * mm;
    y += 4 * mm;
    if (y + heading + height > page.height()) {
        pdf.newPage();
        y = 0;
    }
    p.setPen(Qt::black);
    paragraph(QStringLiteral("Gráfico"), unshaped(pointFont(12, true)), 2);
    paintPlot(p, QRectF(0, y, page.width(), std::min(height, page.height() - y)), plot, model.shownRows(), style);
}

}  // namespace shell
