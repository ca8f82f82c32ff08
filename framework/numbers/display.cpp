// The display rule and the Str rule: numbers written as text.
#include "framework/numbers/rules.h"

#include <charconv>
#include <cmath>

namespace num {

namespace {

// Writes a floating value with at most 'significant' digits, in plain
// notation when its decimal exponent (after rounding) is in [-4, maxPlain],
// otherwise as mantissa + E+xx / E-xx. No leading blank.
std::string formatFloating(double value, int significant, int maxPlain, char separator)
{
    if (std::isnan(value))
        return "NaN";
    if (std::isinf(value))
        return value < 0 ? "-Infinity" : "Infinity";
    if (value == 0.0)
        return "0"; // also a negative zero

    char buffer[64];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                std::chars_format::scientific, significant - 1);
    std::string_view text(buffer, size_t(result.ptr - buffer)); // [-]d.ddde[+-]dd

    const bool negative = text.front() == '-';
    if (negative)
        text.remove_prefix(1);
    const size_t ePos = text.find('e');
    std::string digits;
    for (char c : text.substr(0, ePos))
        if (c != '.')
            digits.push_back(c);
    int exponent = 0;
    std::string_view expText = text.substr(ePos + 1);
    const bool expNegative = expText.front() == '-';
    std::from_chars(expText.data() + 1, expText.data() + expText.size(), exponent);
    if (expNegative)
        exponent = -exponent;
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    std::string out = negative ? "-" : "";
    if (exponent < -4 || exponent > maxPlain) {
        out += digits[0];
        if (digits.size() > 1) {
            out += separator;
            out.append(digits, 1);
        }
        out += exponent < 0 ? "E-" : "E+";
        int magnitude = exponent < 0 ? -exponent : exponent;
        if (magnitude < 10)
            out += '0';
        out += std::to_string(magnitude);
    } else if (exponent >= 0) {
        const size_t wholeDigits = size_t(exponent) + 1;
        if (digits.size() <= wholeDigits) {
            out += digits;
            out.append(wholeDigits - digits.size(), '0');
        } else {
            out.append(digits, 0, wholeDigits);
            out += separator;
            out.append(digits, wholeDigits);
        }
    } else {
        out += '0';
        out += separator;
        out.append(size_t(-exponent - 1), '0');
        out += digits;
    }
    return out;
}

std::string formatCurrency(Currency value, char separator)
{
    const bool negative = value.ticks < 0;
    const uint64_t magnitude = negative ? uint64_t(0) - uint64_t(value.ticks) : uint64_t(value.ticks);
    std::string out = negative ? "-" : "";
    out += std::to_string(magnitude / 10000);
    std::string fraction = std::to_string(magnitude % 10000 + 10000).substr(1); // 4 digits
    while (!fraction.empty() && fraction.back() == '0')
        fraction.pop_back();
    if (!fraction.empty()) {
        out += separator;
        out += fraction;
    }
    return out;
}

// Str: one blank before a non-negative number, no zero before the point.
std::string strFrom(std::string text)
{
    if (text.starts_with("0."))
        text.erase(0, 1);
    else if (text.starts_with("-0."))
        text.erase(1, 1);
    if (text.front() != '-')
        text.insert(text.begin(), ' ');
    return text;
}

} // namespace

std::string displayDouble(double value) { return formatFloating(value, 15, 14, decimalSeparator()); }
std::string displaySingle(float value) { return formatFloating(value, 7, 6, decimalSeparator()); }
std::string displayWhole(int64_t value) { return std::to_string(value); }
std::string displayCurrency(Currency value) { return formatCurrency(value, decimalSeparator()); }

std::string strDouble(double value) { return strFrom(formatFloating(value, 15, 14, '.')); }
std::string strSingle(float value) { return strFrom(formatFloating(value, 7, 6, '.')); }
std::string strWhole(int64_t value) { return strFrom(std::to_string(value)); }
std::string strCurrency(Currency value) { return strFrom(formatCurrency(value, '.')); }

} // namespace num
