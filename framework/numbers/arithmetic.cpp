// Errors, the locale setting, whole-number rounding and checked arithmetic.
#include "framework/numbers/rules.h"
#include "framework/numbers/decimal.h"

#include <atomic>
#include <cfloat>
#include <charconv>
#include <cmath>

namespace num {

RuntimeError::RuntimeError(int number) : m_number(number) {}

const char* RuntimeError::what() const noexcept
{
    switch (m_number) {
    case Overflow: return "Overflow";
    case DivisionByZero: return "Division by zero";
    case TypeMismatch: return "Type mismatch";
    default: return "Run-time error";
    }
}

namespace {
std::atomic<char> g_decimalSep{'.'};
std::atomic<char> g_thousandsSep{','};

// Round half to even; the value must be finite.
double roundHalfEven(double value)
{
    double whole = std::floor(value);
    double fraction = value - whole; // exact for every double
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0))
        whole += 1.0;
    return whole;
}

// Currency ticks / 10000 rounded half to even.
int64_t roundTicks(int64_t ticks)
{
    int64_t whole = ticks / Currency::TicksPerUnit;
    int64_t rest = ticks % Currency::TicksPerUnit; // same sign as ticks
    int64_t half = Currency::TicksPerUnit / 2;
    int64_t absRest = rest < 0 ? -rest : rest;
    if (absRest > half || (absRest == half && (whole & 1)))
        whole += rest < 0 ? -1 : 1;
    return whole;
}

// A long double holding a whole number of ticks, checked against the range.
int64_t ticksFrom(long double value)
{
    constexpr long double TwoTo63 = 9223372036854775808.0L;
    if (!(value >= -TwoTo63 && value < TwoTo63))
        throw RuntimeError(Overflow);
    return static_cast<int64_t>(value);
}
} // namespace

void setLocale(char decimalSep, char thousandsSep)
{
    g_decimalSep = decimalSep;
    g_thousandsSep = thousandsSep;
}
char decimalSeparator() { return g_decimalSep; }
char thousandsSeparator() { return g_thousandsSep; }

// --- whole-number conversion ---

int16_t toInteger(double value)
{
    if (!std::isfinite(value))
        throw RuntimeError(Overflow);
    double r = roundHalfEven(value);
    if (r < -32768.0 || r > 32767.0)
        throw RuntimeError(Overflow);
    return static_cast<int16_t>(r);
}

int32_t toLong(double value)
{
    if (!std::isfinite(value))
        throw RuntimeError(Overflow);
    double r = roundHalfEven(value);
    if (r < -2147483648.0 || r > 2147483647.0)
        throw RuntimeError(Overflow);
    return static_cast<int32_t>(r);
}

int16_t toInteger(Currency value)
{
    int64_t r = roundTicks(value.ticks);
    if (r < INT16_MIN || r > INT16_MAX)
        throw RuntimeError(Overflow);
    return static_cast<int16_t>(r);
}

int32_t toLong(Currency value)
{
    int64_t r = roundTicks(value.ticks);
    if (r < INT32_MIN || r > INT32_MAX)
        throw RuntimeError(Overflow);
    return static_cast<int32_t>(r);
}

// --- checked arithmetic ---

namespace {
int16_t fitInteger(int32_t r)
{
    if (r < INT16_MIN || r > INT16_MAX)
        throw RuntimeError(Overflow);
    return static_cast<int16_t>(r);
}
int32_t fitLong(int64_t r)
{
    if (r < INT32_MIN || r > INT32_MAX)
        throw RuntimeError(Overflow);
    return static_cast<int32_t>(r);
}
} // namespace

int16_t addInteger(int16_t a, int16_t b) { return fitInteger(int32_t(a) + b); }
int16_t subInteger(int16_t a, int16_t b) { return fitInteger(int32_t(a) - b); }
int16_t mulInteger(int16_t a, int16_t b) { return fitInteger(int32_t(a) * b); }
int32_t addLong(int32_t a, int32_t b) { return fitLong(int64_t(a) + b); }
int32_t subLong(int32_t a, int32_t b) { return fitLong(int64_t(a) - b); }
int32_t mulLong(int32_t a, int32_t b) { return fitLong(int64_t(a) * b); }

double checked(double result)
{
    if (!std::isfinite(result))
        throw RuntimeError(Overflow);
    return result;
}

float checkedSingle(double result)
{
    if (!(std::fabs(result) <= double(FLT_MAX)))
        throw RuntimeError(Overflow);
    return static_cast<float>(result);
}

double divide(double a, double b)
{
    if (b == 0.0)
        throw RuntimeError(a == 0.0 || std::isnan(a) ? Overflow : DivisionByZero);
    return checked(a / b);
}

// --- Currency ---

Currency Currency::fromDouble(double value)
{
    if (!std::isfinite(value))
        throw RuntimeError(Overflow);
    // The shortest text that reads back as the same double is the decimal
    // the user meant (0.00015 rather than 0.000149999...).
    char buffer[64];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    detail::Decimal d = detail::scanPlain(std::string_view(buffer, size_t(result.ptr - buffer)));
    uint64_t magnitude = 0;
    int64_t ticks = 0;
    if (!detail::toScaledMagnitude(d, 4, magnitude)
        || !detail::applySign(magnitude, d.negative, INT64_MIN, INT64_MAX, ticks))
        throw RuntimeError(Overflow);
    return Currency{ticks};
}

Currency Currency::fromWhole(int64_t value)
{
    int64_t ticks = 0;
    if (__builtin_mul_overflow(value, TicksPerUnit, &ticks))
        throw RuntimeError(Overflow);
    return Currency{ticks};
}

double Currency::toDouble() const
{
    return static_cast<double>(static_cast<long double>(ticks) / TicksPerUnit);
}

Currency operator+(Currency a, Currency b)
{
    int64_t r = 0;
    if (__builtin_add_overflow(a.ticks, b.ticks, &r))
        throw RuntimeError(Overflow);
    return Currency{r};
}

Currency operator-(Currency a, Currency b)
{
    int64_t r = 0;
    if (__builtin_sub_overflow(a.ticks, b.ticks, &r))
        throw RuntimeError(Overflow);
    return Currency{r};
}

Currency operator-(Currency a)
{
    return Currency{} - a;
}

Currency operator*(Currency a, Currency b)
{
    __int128 product = static_cast<__int128>(a.ticks) * b.ticks; // at most 2^126
    __int128 whole = product / Currency::TicksPerUnit;
    __int128 rest = product % Currency::TicksPerUnit;
    __int128 absRest = rest < 0 ? -rest : rest;
    if (absRest > Currency::TicksPerUnit / 2
        || (absRest == Currency::TicksPerUnit / 2 && (whole & 1)))
        whole += rest < 0 ? -1 : 1;
    if (whole < INT64_MIN || whole > INT64_MAX)
        throw RuntimeError(Overflow);
    return Currency{static_cast<int64_t>(whole)};
}

namespace detail {
// Currency arithmetic with a floating operand, done on long double ticks.
Currency currencyFromTicks(long double ticks)
{
    if (!std::isfinite(ticks))
        throw RuntimeError(Overflow);
    return Currency{ticksFrom(std::nearbyint(ticks))};
}
} // namespace detail

} // namespace num
