// Placeholder until the window is built: an empty window with its name and caption.
#include "framework/form.h"
#include "problems/problems.h"

namespace problems {

framework::Form* createStamps()
{
    return new framework::Form(QStringLiteral("Trocas_selos"), QStringLiteral("Trocas de reais por selos de 3 e 5 centavos"), 6990, 7410);
}

}  // namespace problems
