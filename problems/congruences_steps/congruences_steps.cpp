// Placeholder until the window is built: an empty window with its name and caption.
#include "framework/form.h"
#include "problems/problems.h"

namespace problems {

framework::Form* createCongruencesSteps()
{
    return new framework::Form(QStringLiteral("X_Mod123"), QStringLiteral("Inteiro dividido por 2,3 & 4 ( Versão 1)"), 6000, 6000);
}

}  // namespace problems
