// Placeholder until the window is built: an empty window with its name and caption.
#include "framework/form.h"
#include "problems/problems.h"

namespace problems {

framework::Form* createCongruencesSearch()
{
    return new framework::Form(QStringLiteral("XMOD123"), QStringLiteral("Inteiro dividido por 2,3 & 4 ( Versão 2 )"), 6000, 6000);
}

}  // namespace problems
