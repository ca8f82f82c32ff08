// The tagged value: Empty, Text or a number of any kind, with the kind kept
// beside it, and the operators of the program's language on it.
#pragma once

#include "framework/numbers/rules.h"

#include <string>
#include <variant>

namespace num {

// The order of the number kinds is their width: a mixed operation takes the
// kind that comes later (Currency is the widest).
enum class Kind { Empty, Text, Integer, Long, Single, Double, Currency };

class Value {
public:
    Value() = default; // Empty

    static Value integer(int16_t v) { return Value(Storage(std::in_place_index<2>, v)); }
    static Value lng(int32_t v) { return Value(Storage(std::in_place_index<3>, v)); }
    // Single and Double throw 6 when given infinity or NaN.
    static Value single(float v);
    static Value dbl(double v);
    static Value currency(Currency v) { return Value(Storage(std::in_place_index<6>, v)); }
    static Value text(std::string v) { return Value(Storage(std::in_place_index<1>, std::move(v))); }

    Kind kind() const { return static_cast<Kind>(m_data.index()); }
    bool isNumber() const { return m_data.index() >= 2; }
    bool isEmpty() const { return kind() == Kind::Empty; }
    bool isText() const { return kind() == Kind::Text; }

    // Conversions. Numbers convert by the rules (whole kinds round half to
    // even, 6 when out of range); a Text goes through text-to-number
    // conversion (13 when it is not a number); Empty is 0.
    double toDouble() const;
    float toSingle() const;
    int16_t toInteger() const;
    int32_t toLong() const;
    Currency toCurrency() const;
    // The text of a Text value; an empty text for any other kind.
    const std::string& textValue() const;

private:
    using Storage = std::variant<std::monostate, std::string, int16_t, int32_t, float, double, Currency>;
    explicit Value(Storage s) : m_data(std::move(s)) {}

    Storage m_data;
};

// Display rule (locale separator); Text as itself, Empty as "".
std::string display(const Value& v);
// Str rule; a Text is first converted to Double (13 when not a number);
// Empty is " 0".
std::string str(const Value& v);

// Arithmetic. Empty is 0 (an Integer) beside a number; a Text operand is
// converted to a Double. The result takes the wider kind; an Integer result
// that overflows becomes a Long, a Long one a Double; other overflows throw 6.
// '+' joins two Texts (Empty beside a Text is "").
Value operator+(const Value& a, const Value& b);
Value operator-(const Value& a, const Value& b);
Value operator*(const Value& a, const Value& b);
Value operator-(const Value& a); // negation, same widening
// Always a Double: 11 for x / 0, 6 for 0 / 0 and overflow.
Value operator/(const Value& a, const Value& b);
// Always a Double; an infinite or undefined result throws 6.
Value power(const Value& a, const Value& b);
// Whole division and remainder: both operands rounded to Long first; 11 when
// the right one is 0. Integer when both operands are Integer (or Empty),
// otherwise Long. '\' truncates towards zero; the remainder has the sign of
// the left operand.
Value intDiv(const Value& a, const Value& b);
Value mod(const Value& a, const Value& b);
// '&': both as texts, numbers by the display rule. Always a Text.
Value concat(const Value& a, const Value& b);

// Two tagged values: numbers numerically, texts byte by byte, a number is
// smaller than any text, Empty is 0 beside a number and "" beside a text.
int compare(const Value& a, const Value& b);
// A tagged value against a plain number: numerically; a Text goes through
// text-to-number conversion (13 when it is not a number); Empty is 0.
int comparePlain(const Value& a, double plainNumber);
// A tagged value against a plain text: a number compares numerically with
// the text converted (13 when it is not a number); otherwise as texts.
int comparePlainText(const Value& a, std::string_view plainText);

inline bool operator==(const Value& a, const Value& b) { return compare(a, b) == 0; }
inline bool operator!=(const Value& a, const Value& b) { return compare(a, b) != 0; }
inline bool operator<(const Value& a, const Value& b) { return compare(a, b) < 0; }
inline bool operator<=(const Value& a, const Value& b) { return compare(a, b) <= 0; }
inline bool operator>(const Value& a, const Value& b) { return compare(a, b) > 0; }
inline bool operator>=(const Value& a, const Value& b) { return compare(a, b) >= 0; }

inline bool operator==(const Value& a, double b) { return comparePlain(a, b) == 0; }
inline bool operator!=(const Value& a, double b) { return comparePlain(a, b) != 0; }
inline bool operator<(const Value& a, double b) { return comparePlain(a, b) < 0; }
inline bool operator<=(const Value& a, double b) { return comparePlain(a, b) <= 0; }
inline bool operator>(const Value& a, double b) { return comparePlain(a, b) > 0; }
inline bool operator>=(const Value& a, double b) { return comparePlain(a, b) >= 0; }

inline bool operator==(double a, const Value& b) { return comparePlain(b, a) == 0; }
inline bool operator!=(double a, const Value& b) { return comparePlain(b, a) != 0; }
inline bool operator<(double a, const Value& b) { return comparePlain(b, a) > 0; }
inline bool operator<=(double a, const Value& b) { return comparePlain(b, a) >= 0; }
inline bool operator>(double a, const Value& b) { return comparePlain(b, a) < 0; }
inline bool operator>=(double a, const Value& b) { return comparePlain(b, a) <= 0; }

} // namespace num
