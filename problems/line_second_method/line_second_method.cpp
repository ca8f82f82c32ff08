// Placeholder until the window is built: an empty window with its name and caption.
#include "framework/form.h"
#include "problems/problems.h"

namespace problems {

framework::Form* createLineSecondMethod()
{
    return new framework::Form(QStringLiteral("EquaçãoReta"), QStringLiteral("Equação Da reta ( versão 2 )"), 6000, 6000);
}

}  // namespace problems
