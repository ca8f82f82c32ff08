#include "framework/numbers/value.h"
#include "framework/numbers/decimal.h"

#include <cmath>

namespace num {

// --- construction and conversion ---

Value Value::single(float v)
{
    if (!std::isfinite(v))
        throw RuntimeError(Overflow);
    return Value(Storage(std::in_place_index<4>, v));
}

Value Value::dbl(double v)
{
    checked(v);
    return Value(Storage(std::in_place_index<5>, v));
}

double Value::toDouble() const
{
    switch (kind()) {
    case Kind::Empty: return 0.0;
    case Kind::Text: return textToDouble(std::get<1>(m_data));
    case Kind::Integer: return std::get<2>(m_data);
    case Kind::Long: return std::get<3>(m_data);
    case Kind::Single: return std::get<4>(m_data);
    case Kind::Double: return std::get<5>(m_data);
    case Kind::Currency: return std::get<6>(m_data).toDouble();
    }
    return 0.0;
}

float Value::toSingle() const
{
    switch (kind()) {
    case Kind::Text: return textToSingle(std::get<1>(m_data));
    case Kind::Single: return std::get<4>(m_data);
    default: return checkedSingle(toDouble());
    }
}

int16_t Value::toInteger() const
{
    switch (kind()) {
    case Kind::Empty: return 0;
    case Kind::Text: return textToInteger(std::get<1>(m_data));
    case Kind::Integer: return std::get<2>(m_data);
    case Kind::Currency: return num::toInteger(std::get<6>(m_data));
    default: return num::toInteger(toDouble()); // Long, Single, Double are exact in a double
    }
}

int32_t Value::toLong() const
{
    switch (kind()) {
    case Kind::Empty: return 0;
    case Kind::Text: return textToLong(std::get<1>(m_data));
    case Kind::Integer: return std::get<2>(m_data);
    case Kind::Long: return std::get<3>(m_data);
    case Kind::Currency: return num::toLong(std::get<6>(m_data));
    default: return num::toLong(toDouble());
    }
}

Currency Value::toCurrency() const
{
    switch (kind()) {
    case Kind::Empty: return Currency{};
    case Kind::Text: return textToCurrency(std::get<1>(m_data));
    case Kind::Integer: return Currency::fromWhole(std::get<2>(m_data));
    case Kind::Long: return Currency::fromWhole(std::get<3>(m_data));
    case Kind::Currency: return std::get<6>(m_data);
    default: return Currency::fromDouble(toDouble());
    }
}

const std::string& Value::textValue() const
{
    static const std::string none;
    return isText() ? std::get<1>(m_data) : none;
}

std::string display(const Value& v)
{
    switch (v.kind()) {
    case Kind::Empty: return {};
    case Kind::Text: return v.textValue();
    case Kind::Integer:
    case Kind::Long: return displayWhole(v.toLong());
    case Kind::Single: return displaySingle(v.toSingle());
    case Kind::Double: return displayDouble(v.toDouble());
    case Kind::Currency: return displayCurrency(v.toCurrency());
    }
    return {};
}

std::string str(const Value& v)
{
    switch (v.kind()) {
    case Kind::Empty: return strWhole(0);
    case Kind::Integer:
    case Kind::Long: return strWhole(v.toLong());
    case Kind::Single: return strSingle(v.toSingle());
    case Kind::Currency: return strCurrency(v.toCurrency());
    default: return strDouble(v.toDouble()); // Double, and Text through conversion
    }
}

// --- arithmetic ---

namespace {

enum class Op { Add, Sub, Mul };

int rank(Kind k) { return static_cast<int>(k); } // Integer < Long < Single < Double < Currency

// Empty becomes Integer 0, Text a Double; numbers stay as they are.
Value numericOperand(const Value& v)
{
    if (v.isEmpty())
        return Value::integer(0);
    if (v.isText())
        return Value::dbl(v.toDouble());
    return v;
}

bool isExactForCurrency(Kind k) { return k == Kind::Integer || k == Kind::Long || k == Kind::Currency; }

template <typename T>
T apply(Op op, T a, T b)
{
    switch (op) {
    case Op::Add: return a + b;
    case Op::Sub: return a - b;
    case Op::Mul: return a * b;
    }
    return T{};
}

// Ticks of a Currency-kind operation's operand, as a long double.
long double ticksOf(const Value& v)
{
    if (v.kind() == Kind::Currency)
        return static_cast<long double>(v.toCurrency().ticks);
    return static_cast<long double>(v.toDouble()) * Currency::TicksPerUnit;
}

Value currencyArithmetic(Op op, const Value& a, const Value& b)
{
    if (isExactForCurrency(a.kind()) && isExactForCurrency(b.kind())) {
        Currency x = a.toCurrency(), y = b.toCurrency();
        switch (op) {
        case Op::Add: return Value::currency(x + y);
        case Op::Sub: return Value::currency(x - y);
        case Op::Mul: return Value::currency(x * y);
        }
    }
    long double x = ticksOf(a), y = ticksOf(b);
    long double r = op == Op::Mul ? x * y / Currency::TicksPerUnit : apply(op, x, y);
    return Value::currency(detail::currencyFromTicks(r));
}

Value arithmetic(Op op, const Value& left, const Value& right)
{
    const Value a = numericOperand(left);
    const Value b = numericOperand(right);
    const Kind kind = rank(a.kind()) >= rank(b.kind()) ? a.kind() : b.kind();
    switch (kind) {
    case Kind::Integer: {
        int32_t r = apply<int32_t>(op, a.toInteger(), b.toInteger());
        if (r >= INT16_MIN && r <= INT16_MAX)
            return Value::integer(static_cast<int16_t>(r));
        return Value::lng(r);
    }
    case Kind::Long: {
        int64_t r = apply<int64_t>(op, a.toLong(), b.toLong());
        if (r >= INT32_MIN && r <= INT32_MAX)
            return Value::lng(static_cast<int32_t>(r));
        return Value::dbl(static_cast<double>(r));
    }
    case Kind::Single:
        return Value::single(checkedSingle(apply(op, a.toDouble(), b.toDouble())));
    case Kind::Double:
        return Value::dbl(checked(apply(op, a.toDouble(), b.toDouble())));
    case Kind::Currency:
        return currencyArithmetic(op, a, b);
    default:
        break;
    }
    throw RuntimeError(TypeMismatch);
}

// Round to Long for '\' and Mod; Integer when both operands are Integer or Empty.
bool bothInteger(const Value& a, const Value& b)
{
    auto isInteger = [](const Value& v) { return v.kind() == Kind::Integer || v.isEmpty(); };
    return isInteger(a) && isInteger(b);
}

Value wholeResult(int64_t r, bool integerKind)
{
    if (integerKind && r >= INT16_MIN && r <= INT16_MAX)
        return Value::integer(static_cast<int16_t>(r));
    if (r < INT32_MIN || r > INT32_MAX) // Long -2147483648 \ -1
        throw RuntimeError(Overflow);
    return Value::lng(static_cast<int32_t>(r)); // also Integer -32768 \ -1
}

template <typename T>
int sign3(T a, T b) { return (a > b) - (a < b); }

// Two numbers: exactly among whole kinds and Currency, otherwise as doubles.
int compareNumbers(const Value& a, const Value& b)
{
    if (isExactForCurrency(a.kind()) && isExactForCurrency(b.kind()))
        return sign3(a.toCurrency().ticks, b.toCurrency().ticks);
    return sign3(a.toDouble(), b.toDouble());
}

int compareTexts(std::string_view a, std::string_view b)
{
    int c = a.compare(b); // unsigned bytes
    return (c > 0) - (c < 0);
}

} // namespace

Value operator+(const Value& a, const Value& b)
{
    if ((a.isText() || a.isEmpty()) && (b.isText() || b.isEmpty()) && (a.isText() || b.isText()))
        return Value::text(a.textValue() + b.textValue());
    return arithmetic(Op::Add, a, b);
}

Value operator-(const Value& a, const Value& b) { return arithmetic(Op::Sub, a, b); }
Value operator*(const Value& a, const Value& b) { return arithmetic(Op::Mul, a, b); }
Value operator-(const Value& a) { return arithmetic(Op::Sub, Value::integer(0), a); }

Value operator/(const Value& a, const Value& b)
{
    return Value::dbl(divide(a.toDouble(), b.toDouble()));
}

Value power(const Value& a, const Value& b)
{
    return Value::dbl(checked(std::pow(a.toDouble(), b.toDouble())));
}

Value intDiv(const Value& a, const Value& b)
{
    const int64_t x = a.toLong(), y = b.toLong();
    if (y == 0)
        throw RuntimeError(DivisionByZero);
    return wholeResult(x / y, bothInteger(a, b));
}

Value mod(const Value& a, const Value& b)
{
    const int64_t x = a.toLong(), y = b.toLong();
    if (y == 0)
        throw RuntimeError(DivisionByZero);
    return wholeResult(x % y, bothInteger(a, b));
}

Value concat(const Value& a, const Value& b)
{
    return Value::text(display(a) + display(b));
}

// --- comparison ---

int compare(const Value& a, const Value& b)
{
    if (a.isEmpty() && b.isEmpty())
        return 0;
    if (a.isText() || b.isText()) {
        if (a.isNumber())
            return -1; // a number is smaller than any text
        if (b.isNumber())
            return 1;
        return compareTexts(a.textValue(), b.textValue()); // Empty is ""
    }
    return compareNumbers(numericOperand(a), numericOperand(b));
}

int comparePlain(const Value& a, double plainNumber)
{
    return sign3(a.toDouble(), plainNumber); // Text through conversion, Empty as 0
}

int comparePlainText(const Value& a, std::string_view plainText)
{
    if (a.isNumber())
        return compareNumbers(a, Value::dbl(textToDouble(plainText)));
    return compareTexts(a.textValue(), plainText);
}

} // namespace num
