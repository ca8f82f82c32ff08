// Text-to-number conversion into every kind either gives a value or raises exactly 13 or 6;
// a whole number written by the display rule reads back as itself; whole-number conversion
// rounds half to even and raises 6 exactly outside the range.
#include "tests/fuzz/fuzz_common.h"

#include <cfenv>
#include <cstring>

namespace {

void wholeRoundTrip(int64_t n, std::string_view input)
{
    const std::string shown = num::displayWhole(n);
    if (n >= INT32_MIN && n <= INT32_MAX && num::textToLong(shown) != n)
        fuzz::broken("display of a Long does not read back", input);
    if (n >= INT16_MIN && n <= INT16_MAX && num::textToInteger(shown) != n)
        fuzz::broken("display of an Integer does not read back", input);
}

void checkWholeConversion(double d, std::string_view input)
{
    std::fesetround(FE_TONEAREST);
    const double r = std::nearbyint(d);  // half to even
    const bool inLong = std::isfinite(d) && r >= -2147483648.0 && r <= 2147483647.0;
    const bool inInteger = std::isfinite(d) && r >= -32768.0 && r <= 32767.0;
    const bool okLong = fuzz::attempt([&] {
        if (num::toLong(d) != int32_t(r))
            fuzz::broken("toLong is not half to even", input);
    }, input, true, false, false);
    if (okLong != inLong)
        fuzz::broken("toLong raised 6 inside the range, or not outside it", input);
    const bool okInteger = fuzz::attempt([&] {
        if (num::toInteger(d) != int16_t(r))
            fuzz::broken("toInteger is not half to even", input);
    }, input, true, false, false);
    if (okInteger != inInteger)
        fuzz::broken("toInteger raised 6 inside the range, or not outside it", input);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view text = fuzz::chooseLocale(data, size);

    double d = 0;
    const bool isDouble = fuzz::attempt([&] { d = num::textToDouble(text); }, text, true, false, true);
    if (isDouble) {
        if (!std::isfinite(d))
            fuzz::broken("textToDouble gave a value that is not finite", text);
        (void)num::displayDouble(d);
        checkWholeConversion(d, text);
    }
    fuzz::attempt([&] { (void)num::displaySingle(num::textToSingle(text)); }, text, true, false, true);
    fuzz::attempt([&] { wholeRoundTrip(num::textToInteger(text), text); }, text, true, false, true);
    fuzz::attempt([&] { wholeRoundTrip(num::textToLong(text), text); }, text, true, false, true);
    fuzz::attempt([&] {
        const num::Currency c = num::textToCurrency(text);
        const num::Currency back = num::textToCurrency(num::displayCurrency(c));
        if (back != c)
            fuzz::broken("display of a Currency does not read back", text);
    }, text, true, false, true);

    // The same bytes taken as a double exercise the whole-number conversion at its edges.
    if (size >= 9) {
        double raw;
        std::memcpy(&raw, data + 1, sizeof raw);
        if (!std::isnan(raw))
            checkWholeConversion(raw, text);
    }
    return 0;
}
