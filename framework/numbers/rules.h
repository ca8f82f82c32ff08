// The number rules of the program's language: the kinds of numbers, how texts
// become numbers and numbers become texts, rounding to whole numbers and the
// limits of arithmetic. Plain C++, no Qt.
#pragma once

#include <cstdint>
#include <exception>
#include <string>
#include <string_view>

namespace num {

// Run-time error numbers raised by the rules.
inline constexpr int Overflow = 6;
inline constexpr int DivisionByZero = 11;
inline constexpr int TypeMismatch = 13;

class RuntimeError : public std::exception {
public:
    explicit RuntimeError(int number);
    int number() const noexcept { return m_number; }
    const char* what() const noexcept override;

private:
    int m_number;
};

// Fixed-point money: a 64-bit count of ten-thousandths (four decimals).
// Range -922337203685477.5808 .. 922337203685477.5807.
struct Currency {
    int64_t ticks = 0;

    static constexpr int64_t TicksPerUnit = 10000;

    static constexpr Currency fromTicks(int64_t t) { return Currency{t}; }
    // Rounds the decimal value the double was written as (its shortest
    // round-trip form) to four decimals, half to even. Throws 6 when out of
    // range or not finite.
    static Currency fromDouble(double value);
    // A whole number; throws 6 when out of range.
    static Currency fromWhole(int64_t value);
    double toDouble() const;

    // (No <=>: headers seen by Qt's moc must not pull in <compare>.)
    friend constexpr bool operator==(Currency a, Currency b) { return a.ticks == b.ticks; }
    friend constexpr bool operator!=(Currency a, Currency b) { return a.ticks != b.ticks; }
    friend constexpr bool operator<(Currency a, Currency b) { return a.ticks < b.ticks; }
    friend constexpr bool operator<=(Currency a, Currency b) { return a.ticks <= b.ticks; }
    friend constexpr bool operator>(Currency a, Currency b) { return a.ticks > b.ticks; }
    friend constexpr bool operator>=(Currency a, Currency b) { return a.ticks >= b.ticks; }
};

// All three throw 6 on overflow; multiplication rounds to four decimals, half to even.
Currency operator+(Currency a, Currency b);
Currency operator-(Currency a, Currency b);
Currency operator*(Currency a, Currency b);
Currency operator-(Currency a);

inline constexpr Currency CurrencyMax = Currency::fromTicks(INT64_MAX);
inline constexpr Currency CurrencyMin = Currency::fromTicks(INT64_MIN);

// Process-wide separators used by the display rule and by text-to-number
// conversion. Default: '.' decimal, ',' thousands. Str and Val always use '.'.
void setLocale(char decimalSep, char thousandsSep);
char decimalSeparator();
char thousandsSeparator();

// Val: the leading number of a text, never throws. Blanks, tabs and line
// feeds are skipped wherever they stand; '.' is the only decimal point; a
// comma ends the number; E or D starts an exponent; '&H'/'&O' read
// hexadecimal/octal whole numbers (up to FFFF as 16-bit, up to FFFFFFFF as
// 32-bit two's complement, anything larger saturates at 2147483647). A value
// too large for a double gives +/-DBL_MAX; one too small gives 0.
double val(std::string_view text);

// Display rule: what the program prints for a number. Locale separator, no
// leading blank, Double up to 15 significant digits, Single up to 7,
// scientific notation outside 1E-04 .. 1E+14 (Single: 1E+06).
std::string displayDouble(double value);
std::string displaySingle(float value);
std::string displayWhole(int64_t value);
std::string displayCurrency(Currency value);

// Str rule: like the display rule, but '.' always, one blank before a
// non-negative number and no leading zero before the point (" .5", "-.5").
std::string strDouble(double value);
std::string strSingle(float value);
std::string strWhole(int64_t value);
std::string strCurrency(Currency value);

// Whole-number conversion: round to nearest, half to even; out of range,
// NaN or infinity throw 6.
int16_t toInteger(double value);
int32_t toLong(double value);
int16_t toInteger(Currency value);
int32_t toLong(Currency value);

// Text-to-number conversion: blanks around, a sign, the locale's decimal and
// thousands separators and an exponent (E or D). Anything else ('&H' and '&O'
// texts and the empty text included) throws 13; out of range throws 6.
// Whole kinds and Currency are rounded half to even from the exact decimal
// digits of the text.
double textToDouble(std::string_view text);
float textToSingle(std::string_view text);
int16_t textToInteger(std::string_view text);
int32_t textToLong(std::string_view text);
Currency textToCurrency(std::string_view text);
// True when the text has the form of a number under the same rules (its
// value may still be out of range for a kind).
bool isNumericText(std::string_view text);

// Checked arithmetic: results outside the kind's range throw 6.
int16_t addInteger(int16_t a, int16_t b);
int16_t subInteger(int16_t a, int16_t b);
int16_t mulInteger(int16_t a, int16_t b);
int32_t addLong(int32_t a, int32_t b);
int32_t subLong(int32_t a, int32_t b);
int32_t mulLong(int32_t a, int32_t b);
// Throws 6 when the result is infinite or NaN, otherwise returns it.
double checked(double result);
// A result that does not fit a Single throws 6.
float checkedSingle(double result);
// Non-zero / 0 throws 11, 0 / 0 throws 6, an infinite result throws 6.
double divide(double a, double b);

} // namespace num
