#pragma once
// The screen colours of the colour values (color_values.h), and the projector colours.
#include "framework/color_values.h"

#include <QColor>

namespace framework {

// The screen colour of a colour value (system colours through the palette).
QColor toQColor(OleColor value);

// What comes after the step shown, in the desk check, its printed form and the plot: grey.
inline const QColor LaterGrey{128, 128, 128};

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
