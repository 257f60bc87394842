// Fuzz target: the number printer on any double, with each of the four conversions the
// calculators use ("%1.0f", "%02.0f", "%2.0f", "%04.1f").
//
// Input: 8 bytes, the bits of the double, then one byte choosing the conversion.
// Checks, for a finite value: the text is exactly what the printing rule gives (the exact decimal
// expansion rounded half up to 17 significant digits, then half up at the kept decimal; a sign
// for every negative non-zero value; padding to the width), and it re-reads to within half a unit
// of its last place of the value. For an infinity or a NaN the printer only has to return.
#include "number_printer.hpp"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

struct Conversion {
    const char* name;
    int width;
    int decimals;
    bool zero_pad;
};

constexpr Conversion conversions[] = {
    {"%1.0f", 1, 0, false},
    {"%02.0f", 2, 0, true},
    {"%2.0f", 2, 0, false},
    {"%04.1f", 4, 1, true},
};

// The printer's text for `x` under conversion `c`.
std::string printed(double x, const Conversion& c)
{
    return format_fixed(
        x, FixedConversion{c.width, c.decimals, c.zero_pad ? Padding::zeros : Padding::spaces});
}

[[noreturn]] void fail(const char* what, double x, const Conversion& c, const std::string& text)
{
    std::fprintf(stderr, "number_printer_fuzz: %s: %a (%.17g) by %s gave \"%s\"\n", what, x, x,
                 c.name, text.c_str());
    std::abort();
}

// Adds one to the decimal number in digits[0, end), carrying through nines; a carry out of the
// first digit puts a new 1 in front. Returns the number of digits put in front (0 or 1).
std::size_t round_up(std::string& digits, std::size_t end)
{
    for (std::size_t i = end; i-- > 0;) {
        if (digits[i] != '9') {
            ++digits[i];
            return 0;
        }
        digits[i] = '0';
    }
    digits.insert(digits.begin(), '1');
    return 1;
}

// The text the printing rule gives for a finite `x`.
std::string expected_text(double x, const Conversion& c)
{
    std::string text;
    if (x == 0.0) {
        text = c.decimals > 0 ? "0." + std::string(static_cast<std::size_t>(c.decimals), '0') : "0";
    } else {
        // Every digit of the exact decimal expansion: a double has at most 1074 after the point,
        // and the C library prints them exactly.
        static char exact[1500];
        std::snprintf(exact, sizeof exact, "%.1100f", std::fabs(x));
        std::string digits = exact;
        std::size_t point = digits.find('.');
        digits.erase(point, 1);
        // Half up at the 17th significant digit.
        const std::size_t first = digits.find_first_not_of('0');
        if (first + 17 < digits.size()) {
            const bool up = digits[first + 17] >= '5';
            digits.resize(first + 17);
            if (up)
                point += round_up(digits, digits.size());
        }
        // Half up at the kept decimal.
        const std::size_t keep = point + static_cast<std::size_t>(c.decimals);
        if (keep < digits.size()) {
            const bool up = digits[keep] >= '5';
            digits.resize(keep);
            if (up)
                point += round_up(digits, keep);
        }
        digits.resize(point + static_cast<std::size_t>(c.decimals), '0');
        std::string whole = digits.substr(0, point);
        whole.erase(0, std::min(whole.find_first_not_of('0'), whole.size()));
        if (whole.empty())
            whole = "0";
        text = whole;
        if (c.decimals > 0)
            text += "." + digits.substr(point);
        if (x < 0.0)
            text.insert(0, "-");
    }
    const auto width = static_cast<std::size_t>(c.width);
    if (text.size() < width) {
        const std::size_t pad = width - text.size();
        if (!c.zero_pad)
            text.insert(0, pad, ' ');
        else
            text.insert(text[0] == '-' ? 1 : 0, pad, '0');
    }
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 9)
        return 0;
    double x = 0.0;
    std::memcpy(&x, data, sizeof x);
    const Conversion& c = conversions[data[8] % 4];
    const std::string text = printed(x, c);
    if (!std::isfinite(x))
        return 0;
    if (text != expected_text(x, c))
        fail("text differs from the printing rule", x, c, text);
    const double back = std::strtod(text.c_str(), nullptr);
    const double half_unit = c.decimals > 0 ? 0.05 : 0.5;
    if (!(std::fabs(back - x) <= half_unit + std::fabs(x) * 1e-15))
        fail("text does not re-read to the value", x, c, text);
    return 0;
}
