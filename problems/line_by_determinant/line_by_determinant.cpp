// Placeholder until the window is built: an empty window with its name and caption.
#include "framework/form.h"
#include "problems/problems.h"

namespace problems {

framework::Form* createLineByDeterminant()
{
    return new framework::Form(QStringLiteral("Equação_Reta"), QStringLiteral("Equação da reta"), 6000, 6000);
}

}  // namespace problems
