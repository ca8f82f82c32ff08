#pragma once
// A window whose lines are wider here than in its design (the installed face is broader than
// the design's) grows its client area so that no control is cut off at its edge; a window
// whose controls fit keeps its designed size. A window already shown inside the main window
// takes its frame along.
#include "framework/form.h"

#include <QRect>
#include <algorithm>

namespace problems {

inline void growToFit(framework::Form& form)
{
    QRect used;
    for (QWidget* control : form.controls())
        if (!control->isHidden() && control->parentWidget() == &form)
            used |= control->geometry();
    const int margin = framework::px(120);
    const QSize size(std::max(form.width(), used.right() + 1 + margin),
                     std::max(form.height(), used.bottom() + 1 + margin));
    if (size == form.size())
        return;
    form.setFixedSize(size);
    if (QWidget* frame = form.parentWidget())
        frame->adjustSize();
}

}  // namespace problems
