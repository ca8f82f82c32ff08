#pragma once
// Drawing helpers shared by the pseudo-code panels of Maior_Menor_3 and XMOD123.
#include "framework/form.h"

namespace problems {
namespace {

// The dark blue of the answers and value labels.
constexpr framework::OleColor kDarkBlue = 0xC00000;

// A bracket tying an opening line ("Se", "Enquanto", "Início") to its closing line: a vertical
// stroke at `x` and a short tick towards each of the two lines, drawn as the line controls
// Line<first>, Line<first + 1> and Line<first + 2>. The ticks stand `middle` twips below the
// lines' tops, and stop just before their left edges.
void addBracket(framework::Form* form, int first, int x, int openLeft, int openTop, int closeLeft, int closeTop,
                int middle = 120)
{
    const auto name = [](int n) { return QStringLiteral("Line%1").arg(n); };
    const int yTop = openTop + middle, yBottom = closeTop + middle;
    form->addLine(name(first), x, yTop, x, yBottom);
    form->addLine(name(first + 1), x, yTop, openLeft - 45, yTop);
    form->addLine(name(first + 2), x, yBottom, closeLeft - 45, yBottom);
}

}  // namespace
}  // namespace problems
