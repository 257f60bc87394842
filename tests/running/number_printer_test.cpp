// Fixed-point printing: fixed cases, then agreement with an exact reference on random doubles.
#include "number_printer.hpp"

#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace {

struct Case {
    double value;
    FixedConversion conversion;
    std::string text;
};

void check_cases(const std::vector<Case>& cases)
{
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "value " << std::hexfloat << c.value << " width " << c.conversion.width
                     << " decimals " << c.conversion.decimals);
        EXPECT_EQ(format_fixed(c.value, c.conversion), c.text);
    }
}

TEST(NumberPrinter, TiesRoundUpAndWidthPadsOrGrows)
{
    check_cases({
        {0.25, tenths_zero_padded_4, "00.3"},
        {2.5, whole_number, "3"},
        {0.5, whole_number, "1"},
        {1.5, whole_number, "2"},
        {12.5, whole_space_padded_2, "13"},
        {0.75, tenths_zero_padded_4, "00.8"},
        {5.0, whole_zero_padded_2, "05"},
        {7.0, whole_space_padded_2, " 7"},
        {211.0, whole_space_padded_2, "211"},
        {59.0, whole_zero_padded_2, "59"},
        {36.0, tenths_zero_padded_4, "36.0"},
        {123.25, tenths_zero_padded_4, "123.3"},
        {-2.25, FixedConversion{6, 1, Padding::spaces}, "  -2.3"},
        {-2.25, FixedConversion{6, 1, Padding::zeros}, "-002.3"},
    });
}

TEST(NumberPrinter, SignOfZeroAndOfValuesThatPrintAsZero)
{
    check_cases({
        {0.0, whole_number, "0"},
        {-0.0, whole_number, "0"},
        {-0.0, tenths_zero_padded_4, "00.0"},
        {-0.0, whole_zero_padded_2, "00"},
        {-0.04, tenths_zero_padded_4, "-0.0"},
        {-0.4, whole_zero_padded_2, "-0"},
        {-5.0, whole_zero_padded_2, "-5"},
        {-0.25, tenths_zero_padded_4, "-0.3"},
        {-12.5, whole_space_padded_2, "-13"},
        {-DBL_TRUE_MIN, tenths_zero_padded_4, "-0.0"},
        {-DBL_TRUE_MIN, whole_number, "-0"},
    });
}

// Values stored just off a decimal tie: the 18th significant digit of the exact expansion
// decides, so neither rounding the stored value directly nor scaling it up in doubles works.
TEST(NumberPrinter, EighteenthSignificantDigitDecides)
{
    check_cases({
        {1.45, tenths_zero_padded_4, "01.5"},  // 1.44999999999999995559...: 18th digit 5
        {0.15, tenths_zero_padded_4, "00.1"},  // 0.14999999999999999444...: 18th digit 4
        {9.95, tenths_zero_padded_4, "09.9"},  // 9.94999999999999928945...
        {0.95, tenths_zero_padded_4, "00.9"},  // 0.94999999999999995559...: rounds to ...96
        {2.675, tenths_zero_padded_4, "02.7"},
        {5.55, tenths_zero_padded_4, "05.5"},                       // 5.54999999999999982236...
        {0.05, tenths_zero_padded_4, "00.1"},                       // 0.05000000000000000277...
        {123456789012.45, tenths_zero_padded_4, "123456789012.5"},  // ...012.44999999694824
        {1234567890123456.25, tenths_zero_padded_4, "1234567890123456.3"},  // exact 18-digit tie
        {0.49999999999999994, whole_number, "0"},
        {0.49999999999999994, tenths_zero_padded_4, "00.5"},
    });
}

TEST(NumberPrinter, CarriesRunThroughNines)
{
    check_cases({
        {59.96, tenths_zero_padded_4, "60.0"},
        {59.95, tenths_zero_padded_4, "60.0"},  // 59.95000000000000284...
        {99.95, tenths_zero_padded_4, "100.0"},
        {9.96, tenths_zero_padded_4, "10.0"},
        {0.9999999999999999, whole_number, "1"},
        {0.9999999999999999, tenths_zero_padded_4, "01.0"},
        {999999.95, tenths_zero_padded_4, "999999.9"},  // 999999.94999999995343...
        {-9.5, whole_number, "-10"},
    });
}

TEST(NumberPrinter, HugeAndTinyMagnitudes)
{
    check_cases({
        {1e300, whole_number,
         "10000000000000001" + std::string(284, '0')},  // 1.00000000000000005250e300
        {DBL_MAX, whole_space_padded_2, "17976931348623157" + std::string(292, '0')},
        {-DBL_MAX, tenths_zero_padded_4, "-17976931348623157" + std::string(292, '0') + ".0"},
        {1e23, whole_number, "99999999999999992000000"},  // 99999999999999991611392 exactly
        {9007199254740993.0, whole_number, "9007199254740992"},
        {DBL_TRUE_MIN, tenths_zero_padded_4, "00.0"},
        {DBL_MIN, whole_number, "0"},
        {0.04999999999999999, tenths_zero_padded_4, "00.0"},
    });
}

TEST(NumberPrinter, NotFiniteValues)
{
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    check_cases({
        {inf, whole_number, "inf"},
        {-inf, whole_number, "-inf"},
        {nan, whole_number, "nan"},
        {-nan, whole_number, "nan"},
        {inf, FixedConversion{5, 1, Padding::zeros}, "  inf"},
    });
}

// --- Independent reference: exact expansion by big-integer arithmetic, then two roundings on
// --- the plain fixed-point digits.

// Decimal digits, least significant first.
using BigDigits = std::vector<std::uint32_t>;

void multiply(BigDigits& n, std::uint64_t factor)
{
    std::uint64_t carry = 0;
    for (std::uint32_t& d : n) {
        const std::uint64_t product = d * factor + carry;
        d = static_cast<std::uint32_t>(product % 10);
        carry = product / 10;
    }
    for (; carry != 0; carry /= 10)
        n.push_back(static_cast<std::uint32_t>(carry % 10));
}

// |x| = digits x 10^-fraction_digits, exactly.
struct ExactDecimal {
    std::string digits;
    int fraction_digits;
};

ExactDecimal exact_decimal(double x)
{
    int exponent = 0;
    const double mantissa = std::frexp(std::fabs(x), &exponent);  // |x| = mantissa * 2^exponent
    auto significand = static_cast<std::uint64_t>(std::ldexp(mantissa, 53));
    exponent -= 53;
    BigDigits n;
    for (; significand != 0; significand /= 10)
        n.push_back(static_cast<std::uint32_t>(significand % 10));
    // m * 2^e = m * 5^-e / 10^-e when e is negative.
    for (int left = std::abs(exponent); left > 0; left -= 13) {
        const int step = std::min(left, 13);
        multiply(n, exponent > 0 ? std::uint64_t{1} << step
                                 : static_cast<std::uint64_t>(std::pow(5.0, step)));
    }
    std::string digits;
    for (auto it = n.rbegin(); it != n.rend(); ++it)
        digits += static_cast<char>('0' + *it);
    return ExactDecimal{digits, exponent < 0 ? -exponent : 0};
}

// Adds one at the last digit of `s`, carrying; a carry out adds a leading 1.
void increment(std::string& s)
{
    std::size_t i = s.size();
    while (i > 0 && s[i - 1] == '9')
        s[--i] = '0';
    if (i == 0)
        s.insert(s.begin(), '1');
    else
        ++s[i - 1];
}

std::string reference_text(double x, int decimals)
{
    if (x == 0.0)
        return decimals == 0 ? "0" : "0.0";
    ExactDecimal e = exact_decimal(x);
    std::string s = e.digits;  // the integer part is the first s.size() - fraction digits
    if (static_cast<int>(s.size()) <= e.fraction_digits)
        s.insert(0, static_cast<std::size_t>(e.fraction_digits + 1) - s.size(), '0');
    std::size_t integer_digits = s.size() - static_cast<std::size_t>(e.fraction_digits);
    s.append(20 + static_cast<std::size_t>(decimals), '0');

    std::size_t cut = s.find_first_not_of('0') + 17;  // keep 17 significant digits
    bool up = s[cut] >= '5';
    std::string head = s.substr(0, cut);
    if (up)
        increment(head);
    integer_digits += head.size() - cut;
    s = head + std::string(s.size() - cut, '0');

    cut = integer_digits + static_cast<std::size_t>(decimals);  // keep `decimals` decimals
    up = s[cut] >= '5';
    s.resize(cut);
    if (up)
        increment(s);
    integer_digits = s.size() - static_cast<std::size_t>(decimals);
    std::string whole = s.substr(0, integer_digits);
    whole.erase(0, std::min(whole.find_first_not_of('0'), whole.size() - 1));
    const std::string sign = x < 0.0 ? "-" : "";
    return sign + whole + (decimals > 0 ? "." + s.substr(integer_digits) : "");
}

void expect_matches_reference(double x)
{
    for (int decimals : {0, 1}) {
        const std::string expected = reference_text(x, decimals);
        const std::string printed = format_fixed(x, FixedConversion{1, decimals, Padding::spaces});
        ASSERT_EQ(printed, expected) << std::hexfloat << x << " with " << decimals << " decimals";
    }
}

// The reference itself, on values whose rounded texts were worked out by hand.
TEST(NumberPrinter, ReferenceAgreesWithKnownExpansions)
{
    EXPECT_EQ(reference_text(1.45, 1), "1.5");
    EXPECT_EQ(reference_text(0.15, 1), "0.1");
    EXPECT_EQ(reference_text(-0.04, 1), "-0.0");
    EXPECT_EQ(reference_text(99.95, 1), "100.0");
    EXPECT_EQ(reference_text(1e23, 0), "99999999999999992000000");
    EXPECT_EQ(reference_text(DBL_TRUE_MIN, 1), "0.0");
    EXPECT_EQ(reference_text(1234567890123456.25, 1), "1234567890123456.3");
}

TEST(NumberPrinter, AgreesWithExactReferenceOnRandomBitPatterns)
{
    std::mt19937_64 rng(20240611);
    for (int i = 0; i < 4000; ++i) {
        const double x = std::bit_cast<double>(rng());
        if (std::isfinite(x))
            expect_matches_reference(x);
    }
}

// Doubles nearest to decimals that end in 5 at the rounding place, and their neighbours: the
// values where a method that is not exact goes wrong.
TEST(NumberPrinter, AgreesWithExactReferenceNearDecimalTies)
{
    std::mt19937_64 rng(7741);
    for (int i = 0; i < 20000; ++i) {
        const int exponent = static_cast<int>(rng() % 24) - 4;
        const std::string text = std::to_string(rng() % 100000000) + "." +
                                 std::to_string(rng() % 10) + "5e" + std::to_string(exponent);
        const double x = std::strtod(text.c_str(), nullptr) * (rng() % 2 ? 1.0 : -1.0);
        SCOPED_TRACE(text);
        expect_matches_reference(x);
        expect_matches_reference(std::nextafter(x, 0.0));
        expect_matches_reference(std::nextafter(x, x * 2.0));
    }
}

// 17 random significant digits followed by 5 and more: the first rounding decides.
TEST(NumberPrinter, AgreesWithExactReferenceWhenTheEighteenthDigitIsFive)
{
    std::mt19937_64 rng(99173);
    for (int i = 0; i < 20000; ++i) {
        std::string text = std::to_string(1 + rng() % 9) + ".";
        for (int d = 0; d < 16; ++d)
            text += static_cast<char>('0' + rng() % 10);
        text += "5" + std::to_string(rng() % 1000) + "e" +
                std::to_string(static_cast<int>(rng() % 40) - 20);
        SCOPED_TRACE(text);
        expect_matches_reference(std::strtod(text.c_str(), nullptr));
    }
}

}  // namespace
