#pragma once
// Colours as the windows' tables write them: 24-bit values in blue-green-red order
// (0x0000FF is red), or 0x800000nn for a system colour.
#include <QColor>
#include <cstdint>

namespace framework {

using OleColor = std::uint32_t;

namespace ole {
inline constexpr OleColor Red = 0x0000FF;
inline constexpr OleColor Blue = 0xFF0000;
inline constexpr OleColor DarkBlue = 0xC00000;
inline constexpr OleColor Black = 0x000000;
inline constexpr OleColor Yellow = 0x00FFFF;
inline constexpr OleColor LightGreen = 0x80FF80;
inline constexpr OleColor DarkGrey = 0x404040;
inline constexpr OleColor ButtonText = 0x80000012;   // resting colour of panel lines
inline constexpr OleColor ButtonFace = 0x8000000F;
inline constexpr OleColor AppWorkspace = 0x8000000C;
inline constexpr OleColor WindowText = 0x80000008;
}  // namespace ole

// The screen colour of a colour value (system colours through the palette).
QColor toQColor(OleColor value);

// WCAG's contrast ratio of two colours by their relative luminance: 1 (the same) to 21
// (black on white).
double relativeLuminance(const QColor& c);
double contrastRatio(const QColor& a, const QColor& b);

// The projector colours ("Exibir > Cores de projetor"): a projector washes light colours out,
// so with them on every text is painted at least `MinContrast` : 1 against what lies behind it.
// The colours a window records (foreColor) stay its own; only what is painted changes.
inline constexpr double MinContrast = 4.5;
bool projectorColors();
void setProjectorColorsFlag(bool on);

// The colour a text of colour `text` is painted in on `behind`. With the projector colours off,
// or when it already reads at 6 : 1 (room to spare above the least), the colour itself. Else
// the same hue made darker (lighter on a dark background) until it does: red stays red, only
// darker; a yellow turns a golden brown, as a dark yellow looks olive; a grey becomes a darker
// grey.
QColor legible(const QColor& text, const QColor& behind);
// The same, whatever the flag says.
QColor madeLegible(const QColor& text, const QColor& behind);

}  // namespace framework
