// Internal to the number rules: a decimal number as read from a text, kept
// as its digits so that whole kinds and Currency can be rounded exactly.
#pragma once

#include "framework/numbers/rules.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace num::detail {

struct Decimal {
    bool negative = false;
    std::string digits;   // significant digits, no leading zeros; empty means zero
    int64_t exponent = 0; // value = digits * 10^exponent

    void appendDigit(char c, bool afterPoint)
    {
        if (afterPoint)
            --exponent;
        if (digits.empty() && c == '0')
            return;
        digits.push_back(c);
    }
    // Adds an explicit exponent that was read with saturation.
    void addExponent(int64_t e) { exponent += e; }
    bool isZero() const { return digits.empty(); }
};

// Exponent digits are read with saturation at this magnitude, far beyond
// anything a double can hold, so the arithmetic on exponents cannot overflow.
inline constexpr int64_t ExponentLimit = 1'000'000'000;

inline bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Nearest double; overflow is reported (the result is then +/-DBL_MAX).
double toDouble(const Decimal& d, bool& overflow);
// Nearest float; overflow is reported (the result is then +/-FLT_MAX).
float toFloat(const Decimal& d, bool& overflow);
// |value| * 10^scale rounded half to even. False when it exceeds 2^63.
bool toScaledMagnitude(const Decimal& d, int scale, uint64_t& magnitude);

// Signed value from a magnitude; false when it does not fit [min, max].
bool applySign(uint64_t magnitude, bool negative, int64_t min, int64_t max, int64_t& out);

// The '&H' / '&O' whole numbers: 16-bit two's complement when the digits fit
// FFFF, 32-bit when they fit FFFFFFFF (the caller handles larger ones).
int64_t radixWhole(uint64_t value);

// Reads a plain '.'-decimal text the way Val does (used on the shortest form
// of a double).
Decimal scanPlain(std::string_view text);

// A Currency from a (finite or not) count of ticks, rounded half to even;
// throws 6 when out of range.
Currency currencyFromTicks(long double ticks);

} // namespace num::detail
