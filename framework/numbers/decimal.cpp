#include "framework/numbers/decimal.h"

#include <charconv>
#include <limits>
#include <system_error>

namespace num::detail {

namespace {

// More significant digits than this never change the nearest double: the
// tail is replaced by one non-zero digit that keeps rounding correct.
constexpr size_t MaxSignificantDigits = 800;

template <typename T>
T toBinary(const Decimal& d, bool& overflow)
{
    overflow = false;
    if (d.isZero())
        return T(0);
    const int64_t length = static_cast<int64_t>(d.digits.size());
    // The value lies in [10^(length-1+exponent), 10^(length+exponent)).
    const int64_t magnitude = length - 1 + d.exponent;
    const T largest = std::numeric_limits<T>::max();
    if (magnitude > std::numeric_limits<T>::max_exponent10) {
        overflow = true;
        return d.negative ? -largest : largest;
    }
    if (length + d.exponent < std::numeric_limits<T>::min_exponent10 - 30)
        return T(0);

    std::string text;
    text.reserve(MaxSignificantDigits + 24);
    int64_t exponent = d.exponent;
    if (d.digits.size() > MaxSignificantDigits) {
        text.assign(d.digits, 0, MaxSignificantDigits);
        exponent += length - static_cast<int64_t>(MaxSignificantDigits) - 1;
        bool sticky = d.digits.find_first_not_of('0', MaxSignificantDigits) != std::string::npos;
        text.push_back(sticky ? '1' : '0');
    } else {
        text = d.digits;
    }
    text.push_back('e');
    text += std::to_string(exponent);

    T value{};
    auto result = std::from_chars(text.data(), text.data() + text.size(), value,
                                  std::chars_format::scientific);
    if (result.ec == std::errc::result_out_of_range) {
        if (magnitude > 0) {
            overflow = true;
            value = largest;
        } else {
            value = T(0);
        }
    } else if (result.ec != std::errc()) {
        value = T(0);
    }
    if (value > largest) { // from_chars may hand back infinity
        overflow = true;
        value = largest;
    }
    return d.negative ? -value : value;
}

} // namespace

double toDouble(const Decimal& d, bool& overflow) { return toBinary<double>(d, overflow); }
float toFloat(const Decimal& d, bool& overflow) { return toBinary<float>(d, overflow); }

bool toScaledMagnitude(const Decimal& d, int scale, uint64_t& magnitude)
{
    constexpr uint64_t Limit = uint64_t(1) << 63;
    magnitude = 0;
    if (d.isZero())
        return true;
    const int64_t length = static_cast<int64_t>(d.digits.size());
    const int64_t shift = d.exponent + scale;
    // Number of digits before the point once scaled.
    const int64_t wholeDigits = length + shift;
    if (wholeDigits > 20)
        return false;
    if (wholeDigits < 0)
        return true; // below 0.1: rounds to zero

    auto accumulate = [&magnitude](int digit) {
        return !__builtin_mul_overflow(magnitude, uint64_t(10), &magnitude)
            && !__builtin_add_overflow(magnitude, uint64_t(digit), &magnitude);
    };

    const int64_t taken = wholeDigits < length ? wholeDigits : length;
    for (int64_t i = 0; i < taken; ++i)
        if (!accumulate(d.digits[size_t(i)] - '0'))
            return false;
    for (int64_t i = taken; i < wholeDigits; ++i) // trailing zeros of a positive shift
        if (!accumulate(0))
            return false;

    if (wholeDigits < length) {
        const int roundDigit = d.digits[size_t(wholeDigits)] - '0';
        const bool sticky =
            d.digits.find_first_not_of('0', size_t(wholeDigits) + 1) != std::string::npos;
        if (roundDigit > 5 || (roundDigit == 5 && (sticky || (magnitude & 1))))
            if (__builtin_add_overflow(magnitude, uint64_t(1), &magnitude))
                return false;
    }
    return magnitude <= Limit;
}

bool applySign(uint64_t magnitude, bool negative, int64_t min, int64_t max, int64_t& out)
{
    if (negative) {
        if (magnitude > uint64_t(0) - uint64_t(min)) // |min| computed without overflow
            return false;
        out = magnitude == 0 ? 0 : -static_cast<int64_t>(magnitude - 1) - 1;
        return true;
    }
    if (magnitude > uint64_t(max))
        return false;
    out = static_cast<int64_t>(magnitude);
    return true;
}

int64_t radixWhole(uint64_t value)
{
    if (value <= 0xFFFF)
        return static_cast<int16_t>(static_cast<uint16_t>(value));
    return static_cast<int32_t>(static_cast<uint32_t>(value));
}

Decimal scanPlain(std::string_view text)
{
    Decimal d;
    size_t i = 0;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        d.negative = text[i++] == '-';
    bool afterPoint = false;
    for (; i < text.size(); ++i) {
        char c = text[i];
        if (isDigit(c))
            d.appendDigit(c, afterPoint);
        else if (c == '.' && !afterPoint)
            afterPoint = true;
        else
            break;
    }
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        bool negative = false;
        if (i < text.size() && (text[i] == '-' || text[i] == '+'))
            negative = text[i++] == '-';
        int64_t e = 0;
        for (; i < text.size() && isDigit(text[i]); ++i)
            if (e < ExponentLimit)
                e = e * 10 + (text[i] - '0');
        d.addExponent(negative ? -e : e);
    }
    return d;
}

} // namespace num::detail
