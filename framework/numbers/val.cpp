// Val: the leading number of a text. Never throws.
#include "framework/numbers/rules.h"
#include "framework/numbers/decimal.h"

#include <cfloat>

namespace num {

namespace {

// Walks the text, skipping blanks, tabs and line feeds wherever they stand.
class Reader {
public:
    explicit Reader(std::string_view text) : m_text(text) {}

    // The next character that counts, or -1 at the end.
    int peek()
    {
        while (m_pos < m_text.size() && isSkipped(m_text[m_pos]))
            ++m_pos;
        return m_pos < m_text.size() ? static_cast<unsigned char>(m_text[m_pos]) : -1;
    }
    void advance() { ++m_pos; }

private:
    static bool isSkipped(char c) { return c == ' ' || c == '\t' || c == '\n'; }

    std::string_view m_text;
    size_t m_pos = 0;
};

int digitValue(int c, int radix)
{
    int v = -1;
    if (c >= '0' && c <= '9')
        v = c - '0';
    else if (c >= 'a' && c <= 'f')
        v = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        v = c - 'A' + 10;
    return v < radix ? v : -1;
}

// '&H' / '&O' after the '&': a whole number that saturates beyond 32 bits.
double readRadix(Reader& in)
{
    int radix = 0;
    switch (in.peek()) {
    case 'H': case 'h': radix = 16; break;
    case 'O': case 'o': radix = 8; break;
    default: return 0.0;
    }
    in.advance();
    uint64_t value = 0;
    bool tooLarge = false;
    for (int v; (v = digitValue(in.peek(), radix)) >= 0; in.advance()) {
        value = value * uint64_t(radix) + uint64_t(v);
        if (value > 0xFFFFFFFFu) {
            tooLarge = true;
            value = 0xFFFFFFFFu; // keeps consuming without growing
        }
    }
    if (tooLarge)
        return 2147483647.0;
    return static_cast<double>(detail::radixWhole(value));
}

} // namespace

double val(std::string_view text)
{
    Reader in(text);
    if (in.peek() == '&') {
        in.advance();
        return readRadix(in);
    }

    detail::Decimal d;
    if (in.peek() == '+' || in.peek() == '-') {
        d.negative = in.peek() == '-';
        in.advance();
    }
    bool afterPoint = false;
    for (;;) {
        int c = in.peek();
        if (c >= '0' && c <= '9')
            d.appendDigit(static_cast<char>(c), afterPoint);
        else if (c == '.' && !afterPoint)
            afterPoint = true;
        else
            break;
        in.advance();
    }
    int c = in.peek();
    if (c == 'E' || c == 'e' || c == 'D' || c == 'd') {
        in.advance();
        bool negative = false;
        if (in.peek() == '+' || in.peek() == '-') {
            negative = in.peek() == '-';
            in.advance();
        }
        int64_t e = 0;
        for (int x; (x = in.peek()) >= '0' && x <= '9'; in.advance())
            if (e < detail::ExponentLimit)
                e = e * 10 + (x - '0');
        d.addExponent(negative ? -e : e);
    }
    bool overflow = false;
    double value = detail::toDouble(d, overflow); // +/-DBL_MAX on overflow
    return value == 0.0 ? 0.0 : value;            // no negative zero
}

} // namespace num
