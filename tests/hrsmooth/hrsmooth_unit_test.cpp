// The pieces of hrsmooth that carry arithmetic: mode text, header values, sample count, filter
// sums and the written whole numbers.
#include "filter_table.hpp"
#include "header_scan.hpp"
#include "hrsmooth_run.hpp"
#include "sample_lines.hpp"
#include "sample_smoothing.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

TEST(ParseMode, ReadsLikeTheCLibraryWithWrapAround)
{
    const struct Case {
        const char* text;
        std::int32_t mode;
    } cases[] = {
        {"3", 3},
        {"3x", 3},
        {" \t5", 5},
        {"+3", 3},
        {"-0", 0},
        {"-1", -1},
        {"abc", 0},
        {"", 0},
        {"- 3", 0},
        {"2147483647", 2147483647},
        {"2147483648", std::numeric_limits<std::int32_t>::min()},
        {"4294967299", 3},
        {"99999999999999999999", 1661992959},  // 10^20 - 1 modulo 2^32, as a signed value
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(parse_mode(c.text), c.mode);
    }
}

TEST(HeaderValues, LengthFieldsAtFixedPositions)
{
    const struct Case {
        const char* line;
        double seconds;
    } cases[] = {
        {"Length=1:05:23.4\n", (1 * 60 + 5) * 60 + 23.4},
        {"Length=0:08:20.0", 500.0},
        {"Length=01:05:23.4", 0.0},  // fields read "0", ":0" and ":23."
        {"Length=0:08:20", 500.0},
        {"Length=0:08", 480.0},
        {"Length=9", 32400.0},
        {"Length", 0.0},
        {"Length=0:00:30.0999", 30.0},
        {"Length=1: 2: 3.5", 3723.5},  // blanks inside a field are skipped
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_EQ(length_from_line(c.line), c.seconds);
    }
    EXPECT_EQ(interval_from_line("Interval=5\n"), 5.0);
    EXPECT_EQ(interval_from_line("Interval:0.5 s"), 0.5);
    EXPECT_EQ(interval_from_line("Interval="), 0.0);
    EXPECT_EQ(interval_from_line("Interval"), 0.0);
}

TEST(SampleCount, FromLengthAndInterval)
{
    const double inf = std::numeric_limits<double>::infinity();
    const struct Case {
        double length, interval;
        std::int32_t count;  // 0: not countable; 6: too few
    } cases[] = {
        {30.0, 5.0, 7},         {29.9, 5.0, 6},    {500.0, 5.0, 101},
        {502.4, 5.0, 101},      {30.0, -5.0, 6},   {-30.0, 5.0, 6},
        {1e300, -1e-300, 6},    {30.0, 1e-320, 0}, {2147483646.0, 1.0, 2147483647},
        {2147483647.0, 1.0, 0}, {inf, 1.0, 0},     {inf, inf, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.length) + " / " + std::to_string(c.interval));
        EXPECT_EQ(sample_count(c.length, c.interval), c.count);
    }
}

// The order of the terms: accumulating from the first weight upward would miss the tie at 100.5.
TEST(ApplyFilter, TermOrderDecidesTheTie)
{
    const double x[7] = {110, 167, 103, 81, 93, 122, 63};
    double y[7];
    apply_filter(filter_row(3), x, y, 7);
    EXPECT_EQ(y[3], 100.5);
    const FilterRow& w = filter_row(3);
    double upward = 0.0;
    for (int k = 0; k < 7; ++k)
        upward += w[static_cast<std::size_t>(k)] * x[k];
    EXPECT_LT(upward, 100.5);
    for (int i : {0, 1, 2, 4, 5, 6})
        EXPECT_EQ(y[i], x[i]);
}

TEST(FilterTable, RowsAreWeightsThatSumToOne)
{
    for (int mode = 0; mode <= filter_mode_max; ++mode) {
        SCOPED_TRACE(mode);
        const FilterRow& w = filter_row(mode);
        double sum = 0.0;
        for (std::size_t k = 0; k < 7; ++k) {
            EXPECT_EQ(w[k], w[6 - k]);  // symmetric
            sum += w[k];
        }
        EXPECT_NEAR(sum, 1.0, 1e-12);
    }
}

TEST(FormatSampleLine, WholeNumberOfValuePlusHalf)
{
    const struct Case {
        double value;
        const char* text;
    } cases[] = {
        {100.5, "101\r\n"},
        {100.49999999999999, "100\r\n"},
        {0.49999999999999994, "1\r\n"},
        {-1.7, "-1\r\n"},
        {-0.5, "0\r\n"},
        {-0.7, "0\r\n"},
        {-1.5, "-1\r\n"},
        {4294967296.0, "4294967296\r\n"},
        {-9.2e18, "-9200000000000000000\r\n"},
        {1e19, "10000000000000000000\r\n"},
        {1.7976931348623157e308, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        char text[sample_line_max];
        const std::string got(text, format_sample_line(c.value, text));
        if (c.text != nullptr) {
            EXPECT_EQ(got, c.text);
        } else {
            char exact[sample_line_max];
            std::snprintf(exact, sizeof exact, "%.0f\r\n", c.value);
            EXPECT_EQ(got, exact);
            EXPECT_EQ(got.size(), 311u);
        }
    }
}

}  // namespace
