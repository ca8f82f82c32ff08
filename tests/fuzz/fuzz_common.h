// Shared by the fuzz targets of the number rules: property failures abort with a message, so
// libFuzzer keeps the input that broke the rule.
#pragma once
#include "framework/numbers/value.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace fuzz {

[[noreturn]] inline void broken(const char* what, std::string_view input)
{
    std::fprintf(stderr, "property broken: %s\ninput: [%.*s]\n", what, int(input.size()), input.data());
    std::abort();
}

// The first byte chooses the locale, so every input runs in both.
inline std::string_view chooseLocale(const uint8_t* data, size_t size)
{
    if (size == 0) {
        num::setLocale('.', ',');
        return {};
    }
    if (data[0] & 1)
        num::setLocale(',', '.');
    else
        num::setLocale('.', ',');
    return std::string_view(reinterpret_cast<const char*>(data + 1), size - 1);
}

// Runs f; a run-time error must be one of the allowed numbers.
template <class F>
bool attempt(F&& f, std::string_view input, bool allow6, bool allow11, bool allow13)
{
    try {
        f();
        return true;
    } catch (const num::RuntimeError& e) {
        const int n = e.number();
        if ((n == 6 && allow6) || (n == 11 && allow11) || (n == 13 && allow13))
            return false;
        broken("unexpected run-time error number", input);
    }
}

}  // namespace fuzz
