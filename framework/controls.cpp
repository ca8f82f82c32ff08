#include "framework/controls.h"

#include <QAbstractButton>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QVariant>

namespace framework {

namespace {
const char* const kForeColor = "foreColor";
const char* const kDesignedForeColor = "designedForeColor";
const char* const kTopTwips = "topTwips";
const char* const kAutoWidth = "autoWidth";
const char* const kAutoHeight = "autoHeight";

// Palette roles that carry a control's text colour.
void applyForeColor(QWidget* control, OleColor color)
{
    QPalette pal = control->palette();
    const QColor c = toQColor(color);
    pal.setColor(QPalette::WindowText, c);
    pal.setColor(QPalette::ButtonText, c);
    pal.setColor(QPalette::Text, c);
    control->setPalette(pal);
}

void fitToContent(QWidget* control)
{
    const bool autoWidth = control->property(kAutoWidth).toBool();
    const bool autoHeight = control->property(kAutoHeight).toBool();
    if (!autoWidth && !autoHeight)
        return;
    const QSize hint = control->sizeHint();
    QSize size = control->size();
    if (autoWidth)
        size.setWidth(qMax(hint.width(), 0));
    if (autoHeight)
        size.setHeight(qMax(hint.height(), 0));
    control->resize(size);
}
}  // namespace

QFont makeFont(const FontSpec& design)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(design.points);
    font.setBold(design.bold);
    font.setItalic(design.italic);
    font.setUnderline(design.underline);
    // The design's face is narrower than any sans-serif face installed here; a light
    // condensation keeps the panel lines clear of the value labels beside them.
    font.setStretch(86);
    return font;
}

QString caption(const QWidget* control)
{
    if (auto label = qobject_cast<const QLabel*>(control))
        return label->text();
    if (auto button = qobject_cast<const QAbstractButton*>(control))
        return button->text();
    if (auto frame = qobject_cast<const QGroupBox*>(control))
        return frame->title();
    if (auto box = qobject_cast<const QLineEdit*>(control))
        return box->text();
    return control ? control->windowTitle() : QString();
}

void setCaption(QWidget* control, const QString& text)
{
    if (auto label = qobject_cast<QLabel*>(control))
        label->setText(text);
    else if (auto button = qobject_cast<QAbstractButton*>(control))
        button->setText(text);
    else if (auto frame = qobject_cast<QGroupBox*>(control))
        frame->setTitle(text);
    else if (auto box = qobject_cast<QLineEdit*>(control))
        box->setText(text);
    else if (control)
        control->setWindowTitle(text);
    if (control)
        fitToContent(control);
}

OleColor foreColor(const QWidget* control)
{
    const QVariant v = control->property(kForeColor);
    return v.isValid() ? OleColor(v.toUInt()) : ole::ButtonText;
}

OleColor designedForeColor(const QWidget* control)
{
    const QVariant v = control->property(kDesignedForeColor);
    return v.isValid() ? OleColor(v.toUInt()) : foreColor(control);
}

void setForeColor(QWidget* control, OleColor color)
{
    if (!control->property(kDesignedForeColor).isValid())
        control->setProperty(kDesignedForeColor, uint(color));
    control->setProperty(kForeColor, uint(color));
    applyForeColor(control, color);
}

void restoreForeColor(QWidget* control) { setForeColor(control, designedForeColor(control)); }

void setBackColor(QWidget* control, OleColor color)
{
    QPalette pal = control->palette();
    const QColor c = toQColor(color);
    pal.setColor(QPalette::Window, c);
    pal.setColor(QPalette::Button, c);
    pal.setColor(QPalette::Base, c);
    control->setPalette(pal);
    control->setAutoFillBackground(true);
    control->setProperty("backColor", uint(color));
}

float topTwips(const QWidget* control)
{
    const QVariant v = control->property(kTopTwips);
    return v.isValid() ? v.toFloat() : float(control->y() * TwipsPerPixel);
}

void setTopTwips(QWidget* control, float top)
{
    control->setProperty(kTopTwips, top);
    control->move(control->x(), px(top));
}

void place(QWidget* control, const Geometry& g)
{
    control->setProperty(kAutoWidth, g.width == 0);
    control->setProperty(kAutoHeight, g.height == 0);
    control->setProperty(kTopTwips, float(g.top));
    const QSize hint = control->sizeHint();
    control->setGeometry(px(g.left), px(g.top), g.width ? px(g.width) : hint.width(),
                         g.height ? px(g.height) : hint.height());
}

int keepClearOf(QWidget* value, const QWidget* text, int gapPixels)
{
    const int end = text->x() + QFontMetrics(text->font()).horizontalAdvance(caption(text)) + gapPixels;
    const int shift = end - value->x();
    if (shift <= 0)
        return 0;
    value->move(end, value->y());
    return shift;
}

LineControl::LineControl(QWidget* parent, int x1, int y1, int x2, int y2, int width, OleColor color)
    : QWidget(parent), width_(qMax(1, width)), color_(color)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    const int margin = width_ / 2 + 1;
    const QRect box = QRect(QPoint(px(qMin(x1, x2)), px(qMin(y1, y2))),
                            QPoint(px(qMax(x1, x2)), px(qMax(y1, y2))))
                          .adjusted(-margin, -margin, margin, margin);
    setGeometry(box);
    from_ = QPointF(px(x1) - box.left(), px(y1) - box.top());
    to_ = QPointF(px(x2) - box.left(), px(y2) - box.top());
}

void LineControl::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, from_.x() != to_.x() && from_.y() != to_.y());
    // The width in whole device pixels: at a fractional scale (150 %) a 1.5-pixel pen would
    // draw upright lines two pixels wide and level ones one pixel wide.
    QPen pen(toQColor(color_), qMax(1, qRound(width_ * devicePixelRatioF())), Qt::SolidLine, Qt::FlatCap);
    pen.setCosmetic(true);
    p.setPen(pen);
    p.drawLine(from_, to_);
}

ShapeControl::ShapeControl(QWidget* parent, Kind kind, OleColor fill, OleColor border, int borderWidth)
    : QWidget(parent), kind_(kind), fill_(fill), border_(border), borderWidth_(borderWidth)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ShapeControl::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(toQColor(border_), borderWidth_));
    p.setBrush(toQColor(fill_));
    const QRectF r = QRectF(rect()).adjusted(borderWidth_, borderWidth_, -borderWidth_, -borderWidth_);
    if (kind_ == Oval)
        p.drawEllipse(r);
    else
        p.drawRect(r);
}

PaintedControl::PaintedControl(QWidget* parent, Painter painter)
    : QWidget(parent), painter_(std::move(painter))
{
}

void PaintedControl::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    painter_(p, rect());
}

}  // namespace framework
