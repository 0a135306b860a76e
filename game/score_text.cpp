#include "score_text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cerrno>
#include <clocale>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <system_error>

namespace game {

namespace {

constexpr bool isSkipped(char c) { return c == ' ' || c == '\t' || c == '\n'; }
constexpr bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Walks the text and hands out the characters that are not skipped.
class Cursor {
public:
    explicit Cursor(std::string_view text) : text_(text) { skip(); }
    bool atEnd() const { return pos_ == text_.size(); }
    char peek() const { return atEnd() ? '\0' : text_[pos_]; }
    void advance()
    {
        ++pos_;
        skip();
    }
    std::size_t position() const { return pos_; }
    void rewind(std::size_t pos) { pos_ = pos; }

private:
    void skip()
    {
        while (pos_ < text_.size() && isSkipped(text_[pos_]))
            ++pos_;
    }
    std::string_view text_;
    std::size_t pos_ = 0;
};

// What a number's characters say about its size, for the texts that
// from_chars finds out of range.
struct Scan {
    std::string chars; // sign, digits, ".", exponent, as from_chars reads them
    bool negative = false;
    bool anyNonZeroDigit = false;
    std::int64_t leadingExponent = 0; // decimal exponent of the first non-zero digit, before e
    std::int64_t exponent = 0;        // the value after e, saturated
};

constexpr std::int64_t kExponentCap = 1'000'000'000;

// The digits and at most one point, with what they say about the number's
// size; false when no digit came.
bool scanDigits(Cursor& c, Scan& s)
{
    bool seenPoint = false;
    bool seenDigit = false;
    std::int64_t integerDigits = 0; // digits before the point, leading zeros included
    std::int64_t zerosAfterPoint = 0;
    for (;;) {
        const char ch = c.peek();
        if (isDigit(ch)) {
            if (ch != '0' && !s.anyNonZeroDigit) {
                s.anyNonZeroDigit = true;
                s.leadingExponent = seenPoint ? -(zerosAfterPoint + 1) : 0;
                integerDigits = seenPoint ? 0 : 1;
            } else if (s.anyNonZeroDigit && !seenPoint) {
                ++integerDigits;
            } else if (!s.anyNonZeroDigit && seenPoint) {
                ++zerosAfterPoint;
            }
            seenDigit = true;
            s.chars += ch;
        } else if (ch == '.' && !seenPoint) {
            seenPoint = true;
            s.chars += ch;
        } else {
            break;
        }
        c.advance();
    }
    if (s.anyNonZeroDigit && integerDigits > 0)
        s.leadingExponent = integerDigits - 1;
    return seenDigit;
}

// An exponent counts only when at least one digit follows e and its sign;
// otherwise the cursor stays before the e.
void scanExponent(Cursor& c, Scan& s)
{
    if (c.peek() != 'e' && c.peek() != 'E')
        return;
    const std::size_t mark = c.position();
    c.advance();
    bool negative = false;
    if (c.peek() == '+' || c.peek() == '-') {
        negative = c.peek() == '-';
        c.advance();
    }
    if (!isDigit(c.peek())) {
        c.rewind(mark);
        return;
    }
    s.chars += 'e';
    if (negative)
        s.chars += '-';
    std::int64_t value = 0;
    while (isDigit(c.peek())) {
        s.chars += c.peek();
        value = std::min(kExponentCap, value * 10 + (c.peek() - '0'));
        c.advance();
    }
    s.exponent = negative ? -value : value;
}

Scan scanNumber(std::string_view text)
{
    Scan s;
    Cursor c(text);
    if (c.peek() == '+' || c.peek() == '-') {
        s.negative = c.peek() == '-';
        if (s.negative)
            s.chars += '-';
        c.advance();
    }
    if (!scanDigits(c, s)) {
        s.chars.clear();
        return s;
    }
    scanExponent(c, s);
    return s;
}

// value in printf's %g form with precision significant digits. printf is
// used rather than to_chars's shortest form, which would bring some 260 KB of
// tables into the statically linked Windows program. Its decimal point
// follows the C locale, which a toolkit may have changed: whatever stands
// between the digits is written ".".
std::string formatted(double value, int precision)
{
    std::array<char, 48> buffer{};
    const int length = std::snprintf(buffer.data(), buffer.size(), "%.*g", precision, value);
    std::string text;
    for (int i = 0; i < length && i < int(buffer.size()) - 1; ++i) {
        const char c = buffer[std::size_t(i)];
        if (isDigit(c) || c == '-' || c == '+' || c == 'e')
            text += c;
        else if (text.empty() || text.back() != '.')
            text += '.';
    }
    return text;
}

// The double that chars (a sign, digits, at most one ".", an exponent) stand
// for, correctly rounded; out of range when it overflows or underflows.
std::errc parseDouble(const std::string& chars, double& value)
{
#if defined(__cpp_lib_to_chars)
    return std::from_chars(chars.data(), chars.data() + chars.size(), value,
                           std::chars_format::general)
        .ec;
#else
    // Where the library has no floating-point from_chars (libc++ 13, in the web
    // page): strtod, which reads the locale's decimal point in place of ".".
    std::string text = chars;
    const std::lconv* conventions = std::localeconv();
    if (const std::size_t point = text.find('.'); point != std::string::npos && conventions &&
                                                  conventions->decimal_point &&
                                                  conventions->decimal_point[0] != '\0')
        text.replace(point, 1, conventions->decimal_point);
    char* end = nullptr;
    errno = 0;
    const double parsed = std::strtod(text.c_str(), &end);
    if (end == text.c_str())
        return std::errc::invalid_argument;
    if (errno == ERANGE && (std::isinf(parsed) || parsed == 0.0))
        return std::errc::result_out_of_range;
    value = parsed;
    return std::errc{};
#endif
}

} // namespace

double readScore(std::string_view text)
{
    const Scan s = scanNumber(text);
    if (s.chars.empty())
        return 0.0;
    double value = 0.0;
    const std::errc ec = parseDouble(s.chars, value);
    if (ec == std::errc::result_out_of_range) {
        const bool tooLarge = s.anyNonZeroDigit && s.leadingExponent + s.exponent > 0;
        if (!tooLarge)
            return 0.0;
        const double largest = std::numeric_limits<double>::max();
        return s.negative ? -largest : largest;
    }
    if (ec != std::errc{} || !std::isfinite(value))
        return 0.0;
    return value;
}

std::string writeScore(double value)
{
    if (value == 0.0 || !std::isfinite(value))
        return "0";
    if (std::abs(value) < 1e15 && std::trunc(value) == value) {
        std::array<char, 24> digits{};
        const auto result =
            std::to_chars(digits.data(), digits.data() + digits.size(), std::int64_t(value));
        return std::string(digits.data(), result.ptr);
    }
    // The fewest significant digits that read back as the same value: 15
    // digits hold any decimal of up to 15 digits exactly (and %g drops
    // the zeros after it), 17 hold every double.
    std::string text;
    for (int precision = 15; precision <= 17; ++precision) {
        text = formatted(value, precision);
        double back = 0.0;
        if (parseDouble(text, back) == std::errc{} && back == value)
            break; // strictly: the reader's saturation would let 1.8e308 pass
    }
    return text;
}

} // namespace game
