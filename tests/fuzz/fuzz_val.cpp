// The Val rule never fails, and what it reads can always be written back.
#include "tests/fuzz/fuzz_common.h"

#include <cfloat>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view text = fuzz::chooseLocale(data, size);
    double v = 0;
    try {
        v = num::val(text);
    } catch (...) {
        fuzz::broken("Val raised", text);
    }
    if (!std::isfinite(v))
        fuzz::broken("Val gave a value that is not finite", text);
    try {
        const std::string shown = num::displayDouble(v);
        const std::string s = num::strDouble(v);
        if (shown.empty() || s.empty())
            fuzz::broken("empty display", text);
        // Str always writes '.', so Val reads it back to the same number.
        const double again = num::val(s);
        if (again != v && std::fabs(again - v) > std::fabs(v) * 1e-14)
            fuzz::broken("Val of Str is not the number", text);
    } catch (...) {
        fuzz::broken("display or Str raised", text);
    }
    return 0;
}
