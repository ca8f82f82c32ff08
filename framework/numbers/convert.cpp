// Text-to-number conversion: strict, locale-aware, raises 13 on anything
// that is not a number.
#include "framework/numbers/rules.h"
#include "framework/numbers/decimal.h"

namespace num {

namespace {

using detail::Decimal;
using detail::isDigit;

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isExponentLetter(char c) { return c == 'e' || c == 'E' || c == 'd' || c == 'D'; }

struct Parsed {
    bool ok = false;
    Decimal decimal;
};

// A thousands separator at 'pos' stands before exactly three digits that are
// followed by the end of the digits, the decimal separator, another
// separator or the exponent.
bool isThousandsGroup(std::string_view s, size_t pos, char decimalSep, char thousandsSep)
{
    for (size_t k = 1; k <= 3; ++k)
        if (pos + k >= s.size() || !isDigit(s[pos + k]))
            return false;
    size_t next = pos + 4;
    if (next == s.size())
        return true;
    char c = s[next];
    return c == decimalSep || c == thousandsSep || isExponentLetter(c);
}

Parsed parse(std::string_view s)
{
    Parsed out;
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);

    bool negative = false;
    if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
        negative = s.front() == '-';
        s.remove_prefix(1);
        while (!s.empty() && isBlank(s.front()))
            s.remove_prefix(1);
    }
    // Only decimal digits: '&H' and '&O' belong to the Val rule, not to this conversion.

    const char decimalSep = decimalSeparator();
    const char thousandsSep = thousandsSeparator();
    Decimal& d = out.decimal;
    d.negative = negative;
    bool afterPoint = false;
    bool anyDigit = false;
    size_t i = 0;
    for (; i < s.size() && !isExponentLetter(s[i]); ++i) {
        char c = s[i];
        if (isDigit(c)) {
            d.appendDigit(c, afterPoint);
            anyDigit = true;
        } else if (c == decimalSep && !afterPoint) {
            afterPoint = true;
        } else if (c == thousandsSep && anyDigit && !afterPoint
                   && isThousandsGroup(s, i, decimalSep, thousandsSep)) {
            // grouping only
        } else if (c == thousandsSep && c == '.' && !afterPoint) {
            afterPoint = true; // a '.' that groups nothing is a decimal point
        } else {
            return out;
        }
    }
    if (!anyDigit)
        return out;
    if (i < s.size()) { // exponent
        ++i;
        bool expNegative = false;
        if (i < s.size() && (s[i] == '+' || s[i] == '-'))
            expNegative = s[i++] == '-';
        if (i == s.size())
            return out;
        int64_t e = 0;
        for (; i < s.size(); ++i) {
            if (!isDigit(s[i]))
                return out;
            if (e < detail::ExponentLimit)
                e = e * 10 + (s[i] - '0');
        }
        d.addExponent(expNegative ? -e : e);
    }
    out.ok = true;
    return out;
}

Parsed parseOrThrow(std::string_view text)
{
    Parsed p = parse(text);
    if (!p.ok)
        throw RuntimeError(TypeMismatch);
    return p;
}

int64_t toWhole(std::string_view text, int scale, int64_t min, int64_t max)
{
    Parsed p = parseOrThrow(text);
    uint64_t magnitude = 0;
    int64_t value = 0;
    if (!detail::toScaledMagnitude(p.decimal, scale, magnitude)
        || !detail::applySign(magnitude, p.decimal.negative, min, max, value))
        throw RuntimeError(Overflow);
    return value;
}

} // namespace

double textToDouble(std::string_view text)
{
    Parsed p = parseOrThrow(text);
    bool overflow = false;
    double value = detail::toDouble(p.decimal, overflow);
    if (overflow)
        throw RuntimeError(Overflow);
    return value;
}

float textToSingle(std::string_view text)
{
    Parsed p = parseOrThrow(text);
    bool overflow = false;
    float value = detail::toFloat(p.decimal, overflow);
    if (overflow)
        throw RuntimeError(Overflow);
    return value;
}

int16_t textToInteger(std::string_view text)
{
    return static_cast<int16_t>(toWhole(text, 0, INT16_MIN, INT16_MAX));
}

int32_t textToLong(std::string_view text)
{
    return static_cast<int32_t>(toWhole(text, 0, INT32_MIN, INT32_MAX));
}

Currency textToCurrency(std::string_view text)
{
    return Currency::fromTicks(toWhole(text, 4, INT64_MIN, INT64_MAX));
}

bool isNumericText(std::string_view text)
{
    return parse(text).ok;
}

} // namespace num
