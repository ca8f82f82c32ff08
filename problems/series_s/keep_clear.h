#pragma once
// The face installed here is wider than the one the panels were designed with, so a value
// label placed right after the text of its line can cover the line's last characters. This
// moves such a label right, just past that text; a label already clear of it stays put.
#include "framework/controls.h"

#include <QFontMetrics>
#include <QWidget>

namespace problems {
namespace {

// `value` and `text` stand in the same container; returns how many pixels it moved.
inline int keepClearOf(QWidget* value, const QWidget* text, int gapPixels = 2)
{
    const int end = text->x() + QFontMetrics(text->font()).horizontalAdvance(framework::caption(text)) + gapPixels;
    const int shift = end - value->x();
    if (shift <= 0)
        return 0;
    value->move(end, value->y());
    return shift;
}

}  // namespace
}  // namespace problems
