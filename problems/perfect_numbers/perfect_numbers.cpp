// Placeholder until the window is built: an empty window with its name and caption.
#include "framework/form.h"
#include "problems/problems.h"

namespace problems {

framework::Form* createPerfectNumbers()
{
    return new framework::Form(QStringLiteral("Número_perfeito"), QStringLiteral("Número Perfeito"), 6000, 6000);
}

}  // namespace problems
