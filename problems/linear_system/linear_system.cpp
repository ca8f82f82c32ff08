// Placeholder until the window is built: an empty window with its name and caption.
#include "framework/form.h"
#include "problems/problems.h"

namespace problems {

framework::Form* createLinearSystem()
{
    return new framework::Form(QStringLiteral("Sistema"), QStringLiteral("Sistema"), 6075, 6825);
}

}  // namespace problems
