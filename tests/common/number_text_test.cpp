// Number text: the value read and where reading stopped, for each kind of lexeme.
#include "number_text.hpp"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <random>
#include <string>

namespace {

struct Case {
    const char* text;
    double value;
    int used;  // characters taken, -1 when no number starts there
};

void check(const Case& c, ExponentLetters letters)
{
    SCOPED_TRACE(std::string("text \"") + c.text + "\"");
    const std::string text = c.text;
    const NumberText n = read_number_text(text.data(), text.data() + text.size(), letters);
    EXPECT_EQ(n.has_digits, c.used >= 0);
    EXPECT_EQ(n.end - text.data(), c.used < 0 ? 0 : c.used);
    EXPECT_EQ(std::bit_cast<std::uint64_t>(n.value), std::bit_cast<std::uint64_t>(c.value))
        << n.value << " vs " << c.value;
}

TEST(NumberText, NoNumberReadsAsZeroAndConsumesNothing)
{
    const Case cases[] = {
        {"", 0.0, -1},      {"   ", 0.0, -1}, {"abc", 0.0, -1}, {"+", 0.0, -1},
        {"-", 0.0, -1},     {".", 0.0, -1},   {"-.", 0.0, -1},  {"e5", 0.0, -1},
        {" +.e1", 0.0, -1}, {"inf", 0.0, -1}, {"nan", 0.0, -1}, {"\xd9\xa3", 0.0, -1},
        {":30", 0.0, -1},
    };
    for (const Case& c : cases)
        check(c, ExponentLetters::e_and_d);
}

TEST(NumberText, LongestValidPrefix)
{
    const Case cases[] = {
        {"8k", 8.0, 1},        {"5:04", 5.0, 1},  {"10 miles", 10.0, 2}, {" \t\n\v\f\r7", 7.0, 7},
        {"+3x", 3.0, 2},       {"-5", -5.0, 2},   {".5", 0.5, 2},        {"5.", 5.0, 2},
        {"-.25", -0.25, 4},    {"1.2.3", 1.2, 3}, {"0x10", 0.0, 1},      {"12abc", 12.0, 2},
        {"00012.50", 12.5, 8}, {"1,5", 1.0, 1},   {"- 5", 0.0, -1},
    };
    for (const Case& c : cases)
        check(c, ExponentLetters::e_and_d);
}

TEST(NumberText, ExponentTakenOnlyWithItsDigits)
{
    const Case cases[] = {
        {"1e3", 1000.0, 3}, {"1E+3", 1000.0, 4}, {"1e-3", 0.001, 4}, {"1d3", 1000.0, 3},
        {"2D-1", 0.2, 4},   {"1e", 1.0, 1},      {"1e+", 1.0, 1},    {"1e-x", 1.0, 1},
        {"5.e2", 500.0, 4}, {".5e1", 5.0, 4},    {"1ee2", 1.0, 1},   {"1e2.5", 100.0, 3},
        {"3d", 3.0, 1},
    };
    for (const Case& c : cases)
        check(c, ExponentLetters::e_and_d);
}

TEST(NumberText, SampleVariantKnowsOnlyE)
{
    const Case cases[] = {
        {"1d3", 1.0, 1},          {"1D3", 1.0, 1}, {"1e3", 1000.0, 3},
        {"\r\n 72\r\n", 72.0, 5}, {"1e+", 1.0, 1}, {"abc", 0.0, -1},
    };
    for (const Case& c : cases)
        check(c, ExponentLetters::e_only);
}

TEST(NumberText, RangeLimits)
{
    const double tiny = std::numeric_limits<double>::denorm_min();
    const Case cases[] = {
        {"1e400", HUGE_VAL, 5},
        {"-1e400", -HUGE_VAL, 6},
        {"1e-400", 0.0, 6},
        {"-1e-400", -0.0, 7},
        {"1e99999999999999999999999", HUGE_VAL, 25},
        {"0e99999999999999999999999", 0.0, 25},
        {"0.000001e-99999999999", 0.0, 21},
        {"1.7976931348623157e308", 1.7976931348623157e308, 22},
        {"1.7976931348623159e308", HUGE_VAL, 22},  // past the halfway point to the next power
        {"4.9406564584124654e-324", tiny, 23},
        {"2.4703282292062328e-324", tiny, 23},  // just over half the smallest: rounds up
        {"2.4703282292062327e-324", 0.0, 23},   // just under: rounds to zero
        {"-0", -0.0, 2},
    };
    for (const Case& c : cases)
        check(c, ExponentLetters::e_and_d);
}

TEST(NumberText, CorrectlyRounded)
{
    const Case cases[] = {
        {"0.1", 0.1, 3},
        {"9007199254740993", 9007199254740992.0, 16},  // tie between two doubles: to even
        {"9007199254740993.0000000000000000000001", 9007199254740994.0, 39},  // just above the tie
        {"2.2250738585072011e-308", 2.2250738585072011e-308, 23},
        {"1.45", 1.45, 4},
        {"0.016666666666666666", 0.016666666666666666, 20},
        {"0.6213688756330196", 0.6213688756330196, 18},
    };
    for (const Case& c : cases)
        check(c, ExponentLetters::e_and_d);
}

TEST(NumberText, NeverReadsPastTheGivenEnd)
{
    const std::string text = "12345e10";
    // Cut at every length: the reader sees only the bytes it was given.
    const double expected[] = {0, 1, 12, 123, 1234, 12345, 12345, 12345e1, 12345e10};
    for (std::size_t n = 0; n <= text.size(); ++n) {
        SCOPED_TRACE(n);
        const NumberText r = read_number_text(text.data(), text.data() + n);
        EXPECT_EQ(r.value, expected[n]);
        EXPECT_LE(r.end, text.data() + n);
    }
}

// The value of every lexeme agrees with the C library's correctly rounded conversion.
TEST(NumberText, AgreesWithStrtodOnRandomLexemes)
{
    std::mt19937_64 rng(20261211);
    auto digits = [&](int n) {
        std::string s;
        for (int i = 0; i < n; ++i)
            s += static_cast<char>('0' + rng() % 10);
        return s;
    };
    for (int i = 0; i < 20000; ++i) {
        std::string lexeme = rng() % 2 ? "-" : "";
        lexeme += digits(static_cast<int>(rng() % 25));
        lexeme += ".";
        lexeme += digits(static_cast<int>(rng() % 25) + 1);
        lexeme += "e" + std::to_string(static_cast<int>(rng() % 700) - 350);
        SCOPED_TRACE(lexeme);
        const NumberText n = read_number_text(lexeme.data(), lexeme.data() + lexeme.size());
        ASSERT_EQ(n.end, lexeme.data() + lexeme.size());
        const double reference = std::strtod(lexeme.c_str(), nullptr);
        ASSERT_EQ(std::bit_cast<std::uint64_t>(n.value), std::bit_cast<std::uint64_t>(reference));
    }
}

}  // namespace
