#include "number_printer.hpp"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstddef>

namespace {

constexpr int significant_digits = 17;

// A double's exact decimal expansion has at most 767 significant digits, so 766 digits after the
// point in scientific form reproduce it without any rounding.
constexpr int exact_fraction_digits = 766;

// A positive value as digits d0 d1 d2 ... with d0 != 0, worth d0.d1d2... x 10^exponent.
struct DecimalDigits {
    std::string digits;
    int exponent;
};

// Adds one to the last digit, carrying through nines. Returns true when the carry ran out of the
// first digit (the digits are then all zeros and a leading 1 is owed).
bool add_one_to_last_digit(std::string& digits)
{
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return false;
        }
        *it = '0';
    }
    return true;
}

DecimalDigits exact_expansion(double magnitude)
{
    char text[exact_fraction_digits + 32];
    const auto written = std::to_chars(text, text + sizeof text, magnitude,
                                       std::chars_format::scientific, exact_fraction_digits);
    const char* const end = written.ptr;
    const char* const begin = text;
    const char* const letter = std::find(begin, end, 'e');
    const char* exponent_text = letter + 1;
    if (*exponent_text == '+')
        ++exponent_text;  // from_chars takes a '-' but no '+'
    DecimalDigits exact{std::string(1, text[0]), 0};
    exact.digits.append(begin + 2, letter);  // the digits after the point
    std::from_chars(exponent_text, end, exact.exponent);
    return exact;
}

// First rounding: the exact expansion cut to 17 significant digits, half up.
DecimalDigits round_to_significant_digits(DecimalDigits exact)
{
    const bool round_up = exact.digits[significant_digits] >= '5';
    exact.digits.resize(significant_digits);
    if (round_up && add_one_to_last_digit(exact.digits)) {
        exact.digits.front() = '1';  // 99...9 became 00...0: now 10...0, one power higher
        ++exact.exponent;
    }
    return exact;
}

// Second rounding: the value times 10^decimals rounded half up to a whole number, as digits
// without leading zeros ("0" when it rounds to nothing).
std::string scaled_whole_digits(const DecimalDigits& value, int decimals)
{
    const int kept = value.exponent + decimals + 1;  // digits worth at least 10^-decimals
    if (kept < 0)
        return "0";  // the first dropped digit is a leading zero
    const auto kept_count = static_cast<std::size_t>(kept);
    std::string whole = value.digits.substr(0, kept_count);
    if (kept_count > value.digits.size())
        whole.append(kept_count - value.digits.size(), '0');
    const char first_dropped = kept_count < value.digits.size() ? value.digits[kept_count] : '0';
    if (first_dropped >= '5' && add_one_to_last_digit(whole))
        whole.insert(0, 1, '1');
    return whole.empty() ? "0" : whole;
}

// Puts the decimal point into the scaled digits, with at least one digit before it.
std::string place_decimal_point(std::string whole, int decimals)
{
    if (decimals <= 0)
        return whole;
    const auto fraction = static_cast<std::size_t>(decimals);
    if (whole.size() <= fraction)
        whole.insert(0, fraction + 1 - whole.size(), '0');
    whole.insert(whole.size() - fraction, 1, '.');
    return whole;
}

std::string apply_sign_and_width(const std::string& body, bool negative, FixedConversion conversion)
{
    const std::size_t length = body.size() + (negative ? 1 : 0);
    const auto width = static_cast<std::size_t>(std::max(conversion.width, 0));
    const std::size_t fill = width > length ? width - length : 0;
    const std::string sign = negative ? "-" : "";
    if (conversion.padding == Padding::zeros)
        return sign + std::string(fill, '0') + body;
    return std::string(fill, ' ') + sign + body;
}

}  // namespace

std::string format_fixed(double x, FixedConversion conversion)
{
    if (std::isnan(x))
        return apply_sign_and_width("nan", false,
                                    FixedConversion{conversion.width, 0, Padding::spaces});
    if (std::isinf(x))
        return apply_sign_and_width("inf", x < 0.0,
                                    FixedConversion{conversion.width, 0, Padding::spaces});
    if (x == 0.0)
        return apply_sign_and_width(place_decimal_point("0", conversion.decimals), false,
                                    conversion);
    const DecimalDigits rounded = round_to_significant_digits(exact_expansion(std::fabs(x)));
    const std::string body =
        place_decimal_point(scaled_whole_digits(rounded, conversion.decimals), conversion.decimals);
    return apply_sign_and_width(body, x < 0.0, conversion);
}
