// Placeholder until the window is built: an empty window with its name and caption.
#include "framework/form.h"
#include "problems/problems.h"

namespace problems {

framework::Form* createBouncingBall()
{
    return new framework::Form(QStringLiteral("Altura_Bola"), QStringLiteral("Altura da Bola"), 7260, 7260);
}

}  // namespace problems
