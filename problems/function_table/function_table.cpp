// Placeholder until the window is built: an empty window with its name and caption.
#include "framework/form.h"
#include "problems/problems.h"

namespace problems {

framework::Form* createFunctionTable()
{
    return new framework::Form(QStringLiteral("Intervalo"), QStringLiteral("Intevalo_Fechado"), 6000, 6000);
}

}  // namespace problems
