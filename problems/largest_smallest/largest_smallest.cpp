// Placeholder until the window is built: an empty window with its name and caption.
#include "framework/form.h"
#include "problems/problems.h"

namespace problems {

framework::Form* createLargestSmallest()
{
    return new framework::Form(QStringLiteral("Maior_Menor_3"), QStringLiteral("Maior_menor_3"), 6000, 6000);
}

}  // namespace problems
