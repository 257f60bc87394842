#include "number_text.hpp"

#include <charconv>
#include <cmath>
#include <string>
#include <system_error>

namespace {

bool is_blank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool is_digit(char c) { return c >= '0' && c <= '9'; }

const char* skip_digits(const char* p, const char* last)
{
    while (p != last && is_digit(*p))
        ++p;
    return p;
}

// Where the scan of one lexeme found its pieces.
struct Lexeme {
    const char* start;     // sign or first digit or '.'
    const char* mantissa;  // first digit or '.', after the sign
    const char* exponent;  // the exponent letter, or end when there is none
    const char* end;
    bool negative;
    bool has_digits;
};

Lexeme scan_lexeme(const char* first, const char* last, ExponentLetters letters)
{
    const char* p = first;
    while (p != last && is_blank(*p))
        ++p;
    Lexeme lx{p, p, nullptr, p, false, false};
    if (p != last && (*p == '+' || *p == '-')) {
        lx.negative = *p == '-';
        ++p;
    }
    lx.mantissa = p;
    const char* q = skip_digits(p, last);
    bool digits = q != p;
    if (q != last && *q == '.') {
        const char* r = skip_digits(q + 1, last);
        digits = digits || r != q + 1;
        q = r;
    }
    if (!digits)
        return Lexeme{first, first, first, first, false, false};
    lx.has_digits = true;
    lx.exponent = q;
    lx.end = q;
    if (q != last) {
        const char c = *q;
        const bool letter =
            c == 'e' || c == 'E' || (letters == ExponentLetters::e_and_d && (c == 'd' || c == 'D'));
        if (letter) {
            const char* s = q + 1;
            if (s != last && (*s == '+' || *s == '-'))
                ++s;
            const char* e = skip_digits(s, last);
            if (e != s)
                lx.end = e;
        }
    }
    return lx;
}

// Power of ten of the number's leading non-zero digit, roughly. Only its sign is used: it tells
// an overflow from an underflow when the conversion reports the value out of range.
long long decimal_magnitude(const Lexeme& lx)
{
    const char* p = lx.mantissa;
    while (p != lx.exponent && *p == '0')
        ++p;
    long long magnitude = 0;
    if (p != lx.exponent && *p != '.') {
        for (; p != lx.exponent && is_digit(*p); ++p)
            ++magnitude;  // integer digits
    } else if (p != lx.exponent) {
        for (++p; p != lx.exponent && *p == '0'; ++p)
            --magnitude;  // zeros after the point
    }
    long long exponent = 0;
    if (lx.end != lx.exponent) {
        p = lx.exponent + 1;
        const bool negative = *p == '-';
        if (*p == '+' || *p == '-')
            ++p;
        for (; p != lx.end; ++p)
            if (exponent < 1'000'000'000)
                exponent = exponent * 10 + (*p - '0');
        if (negative)
            exponent = -exponent;
    }
    return magnitude + exponent;
}

double convert_lexeme(const Lexeme& lx)
{
    // std::from_chars takes no leading '+' and knows only e/E as exponent letters.
    const char* first = lx.mantissa;
    const char* last = lx.end;
    std::string spelled;
    if (lx.end != lx.exponent && (*lx.exponent == 'd' || *lx.exponent == 'D')) {
        spelled.assign(first, last);
        spelled[static_cast<std::size_t>(lx.exponent - first)] = 'e';
        first = spelled.data();
        last = first + spelled.size();
    }
    double magnitude = 0.0;
    const auto result = std::from_chars(first, last, magnitude, std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range)
        magnitude = decimal_magnitude(lx) > 0 ? HUGE_VAL : 0.0;
    return lx.negative ? -magnitude : magnitude;
}

}  // namespace

NumberText read_number_text(const char* first, const char* last, ExponentLetters letters)
{
    const Lexeme lx = scan_lexeme(first, last, letters);
    if (!lx.has_digits)
        return NumberText{0.0, first, false};
    return NumberText{convert_lexeme(lx), lx.end, true};
}

double text_to_double(std::string_view text)
{
    return read_number_text(text.data(), text.data() + text.size()).value;
}
