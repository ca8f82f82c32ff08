// Placeholder until the window is built: an empty window with its name and caption.
#include "framework/form.h"
#include "problems/problems.h"

namespace problems {

framework::Form* createDigitSum()
{
    return new framework::Form(QStringLiteral("Soma_Dígitos"), QStringLiteral("Soma_Dígitos"), 6000, 6000);
}

}  // namespace problems
