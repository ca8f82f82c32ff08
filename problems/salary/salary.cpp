// Placeholder until the window is built: an empty window with its name and caption.
#include "framework/form.h"
#include "problems/problems.h"

namespace problems {

framework::Form* createSalary()
{
    return new framework::Form(QStringLiteral("Salário"), QStringLiteral("Calcule de reajuste salarial"), 6000, 6000);
}

}  // namespace problems
