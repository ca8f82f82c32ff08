// Placeholder until the window is built: an empty window with its name and caption.
#include "framework/form.h"
#include "problems/problems.h"

namespace problems {

framework::Form* createSeriesS()
{
    return new framework::Form(QStringLiteral("Cálculo_de_S"), QStringLiteral("Cálculo de S"), 6000, 6000);
}

}  // namespace problems
