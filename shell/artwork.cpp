#include "shell/artwork.h"

#include <QFont>
#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace shell {

namespace {
void paintIcon(QPainter& p, int size)
{
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(size * 0.06, size * 0.06, size * 0.88, size * 0.88);
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0, QColor(40, 80, 200));
    g.setColorAt(1, QColor(10, 20, 110));
    p.setPen(QPen(QColor(5, 10, 60), size / 32.0));
    p.setBrush(g);
    p.drawRoundedRect(r, size * 0.14, size * 0.14);
    // A staircase: one step of the algorithm per click.
    QPainterPath steps;
    const double s = size;
    steps.moveTo(0.18 * s, 0.78 * s);
    for (int i = 0; i < 4; ++i) {
        steps.lineTo((0.18 + 0.16 * i) * s, (0.62 - 0.14 * i) * s);
        steps.lineTo((0.34 + 0.16 * i) * s, (0.62 - 0.14 * i) * s);
    }
    p.setPen(QPen(QColor(255, 220, 60), s / 14.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(steps);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 80, 60));
    p.drawEllipse(QPointF(0.80 * s, 0.20 * s), 0.07 * s, 0.07 * s);
}
}  // namespace

QIcon programIcon()
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        paintIcon(p, size);
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

void paintTitlePicture(QPainter& p, const QRect& area)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = area;
    QLinearGradient sky(r.topLeft(), r.bottomLeft());
    sky.setColorAt(0, QColor(0, 0, 120));
    sky.setColorAt(1, QColor(0, 0, 255));
    p.fillRect(r, sky);

    // Faint pseudo-code in the background.
    QFont code(QStringLiteral("DejaVu Sans Mono"));
    code.setPixelSize(qMax(6, int(r.height() / 16)));
    p.setFont(code);
    p.setPen(QColor(120, 150, 255, 150));
    const char* lines[] = {"Início", "  Leia ( N )", "  Faça enquanto ( N <> 0 )", "    Se ( N MOD 2 = 0 ) então",
                           "      Escreva ( N )", "    Fim_Se", "  Fim_Faça", "Fim"};
    // Small enough that its longest line ends inside the left third, no word cut.
    int longest = 0;
    for (const char* line : lines)
        longest = qMax(longest, QFontMetrics(code).horizontalAdvance(QString::fromUtf8(line)));
    const double room = r.width() * 0.32;
    if (longest > room) {
        code.setPixelSize(qMax(6, int(code.pixelSize() * room / longest)));
        p.setFont(code);
    }
    double y = r.top() + r.height() * 0.10;
    // The code stays in the left third, clear of the name.
    p.save();
    p.setClipRect(QRectF(r.left(), r.top(), r.width() * 0.36, r.height()));
    for (const char* line : lines) {
        p.drawText(QPointF(r.left() + r.width() * 0.03, y), QString::fromUtf8(line));
        y += r.height() / 14.0;
    }
    p.restore();

    // The name, in gold with a shadow.
    QFont title(QStringLiteral("DejaVu Serif"));
    title.setBold(true);
    title.setPixelSize(int(r.height() * 0.30));
    p.setFont(title);
    const QRectF titleBox(r.left(), r.top() + r.height() * 0.08, r.width() * 0.97, r.height() * 0.40);
    p.setPen(QColor(0, 0, 40));
    p.drawText(titleBox.translated(3, 3), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("Matravel"));
    p.setPen(QColor(255, 215, 40));
    p.drawText(titleBox, Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("Matravel"));

    QFont sub(QStringLiteral("DejaVu Sans"));
    sub.setItalic(true);
    sub.setPixelSize(int(r.height() * 0.085));
    p.setFont(sub);
    p.setPen(Qt::white);
    p.drawText(QRectF(r.left(), r.top() + r.height() * 0.48, r.width() * 0.97, r.height() * 0.12),
               Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("Algoritmos passo a passo"));

    // A small flow chart: a decision and its two ways.
    const QPointF c(r.left() + r.width() * 0.16, r.top() + r.height() * 0.80);
    const double d = r.height() * 0.09;
    QPolygonF diamond({c + QPointF(0, -d), c + QPointF(d * 1.4, 0), c + QPointF(0, d), c + QPointF(-d * 1.4, 0)});
    p.setPen(QPen(QColor(255, 215, 40), 1.5));
    p.setBrush(QColor(0, 0, 90));
    p.drawPolygon(diamond);
    p.drawLine(c + QPointF(d * 1.4, 0), c + QPointF(d * 2.6, 0));
    p.drawLine(c + QPointF(-d * 1.4, 0), c + QPointF(-d * 1.4 - d * 0.6, 0));
    p.setBrush(QColor(255, 80, 60));
    p.setPen(Qt::NoPen);
    p.drawEllipse(c + QPointF(d * 2.9, 0), d * 0.3, d * 0.3);
    p.restore();
}

}  // namespace shell
