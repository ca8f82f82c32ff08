#include "framework/colors.h"

#include <QApplication>
#include <QPalette>

#include <cmath>

namespace framework {

QColor toQColor(OleColor value)
{
    if (value & 0x80000000u) {
        const QPalette pal = QApplication::palette();
        switch (value & 0xFFu) {
        case 0x08: return pal.color(QPalette::WindowText);
        case 0x0C: return QColor(0xAB, 0xAB, 0xAB);
        case 0x0F: return pal.color(QPalette::Button);
        case 0x12: return pal.color(QPalette::ButtonText);
        default: return pal.color(QPalette::WindowText);
        }
    }
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

namespace {
bool g_projector = false;

// Aimed at against the background a control stands on: above the least, so that a text still
// reads where something a little darker lies behind it (a painted card, the shading of a
// button's face).
constexpr double kAim = 6.0;

double linear(int channel)
{
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}
}  // namespace

double relativeLuminance(const QColor& c)
{
    return 0.2126 * linear(c.red()) + 0.7152 * linear(c.green()) + 0.0722 * linear(c.blue());
}

double contrastRatio(const QColor& a, const QColor& b)
{
    const double la = relativeLuminance(a), lb = relativeLuminance(b);
    return (qMax(la, lb) + 0.05) / (qMin(la, lb) + 0.05);
}

bool projectorColors() { return g_projector; }
void setProjectorColorsFlag(bool on) { g_projector = on; }

QColor legible(const QColor& text, const QColor& behind)
{
    return g_projector ? madeLegible(text, behind) : text;
}

QColor madeLegible(const QColor& text, const QColor& behind)
{
    if (contrastRatio(text, behind) >= kAim)
        return text;
    // Towards black on a light background, towards white on a dark one: whichever end reads
    // better against it.
    const bool darker = contrastRatio(Qt::black, behind) >= contrastRatio(Qt::white, behind);
    float h, s, l, a;
    text.getHslF(&h, &s, &l, &a);
    // A yellow made darker looks olive green; a golden brown still reads as yellow's kin.
    if (darker && s > 0.2f && h >= 50.f / 360 && h <= 70.f / 360)
        h = 45.f / 360;
    const QColor end = darker ? QColor(Qt::black) : QColor(Qt::white);
    for (int step = 1; step <= 255; ++step) {
        const float t = step / 255.f;
        const QColor c = QColor::fromHslF(h < 0 ? 0 : h, s, darker ? l * (1 - t) : l + (1 - l) * t);
        if (contrastRatio(c, behind) >= kAim)
            return c;
    }
    return end;
}

}  // namespace framework
