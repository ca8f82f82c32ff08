// What both number-rule tests use: the error a call raises, and the locale of a data row.
#pragma once
#include "framework/numbers/rules.h"

#include <QString>

namespace testsupport {

// The run-time error number the call raised, or 0 when it raised none.
template <typename F>
int errorOf(F&& f)
{
    try {
        f();
        return 0;
    } catch (const num::RuntimeError& e) {
        return e.number();
    }
}

// "pt_BR" writes and reads a decimal comma; anything else is the 'C' locale.
inline void useLocale(const QString& name)
{
    if (name == QLatin1String("pt_BR"))
        num::setLocale(',', '.');
    else
        num::setLocale('.', ',');
}

}  // namespace testsupport
