// The calculators on hostile arguments: empty, 100 kB long, bytes above 0x7F, absurd sizes.
// Each ends with its exact message and status, nothing on standard error.
#include "run_process.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const std::string too_small = "Time is too small\r\n";
const std::string not_positive = "Distance can't be 0 or negative\r\n";
const std::string unrecognized = "Unrecognized distance\r\n";
const std::string out_of_range = "Result is out of range\r\n";

struct Case {
    const char* tool;
    std::vector<std::string> args;
    int status;
    std::string output;
};

TEST(CalculatorsHostile, ArgumentsOfEveryShape)
{
    const std::string long_digits(100'000, '1');                    // about 1.1e99999: an infinity
    const std::string long_zeros = std::string(99'999, '0') + "5";  // 5, after 99,999 zeros
    const std::string long_colons(100'000, ':');
    const Case cases[] = {
        {FINISHCALC_PATH, {"", "7:30"}, 3, not_positive},
        {PACECALC_PATH, {"", ""}, 3, not_positive},
        {FINISHCALC_PATH, {"10", ""}, 4, too_small},
        {PACECALC_PATH, {"10", ""}, 4, too_small},
        {FINISHCALC_PATH, {long_digits, "6:00"}, 5, out_of_range},
        {PACECALC_PATH, {long_digits, "6:00"}, 0, "\r\nPace is 0:00.0 per mile\r\n"},
        {FINISHCALC_PATH, {long_zeros, "6:00"}, 0, "\r\nFinish time is 30:00.0\r\n"},
        {PACECALC_PATH, {long_zeros, "30:00"}, 0, "\r\nPace is 6:00.0 per mile\r\n"},
        {FINISHCALC_PATH,
         {"10", "7:" + long_zeros},
         0,
         "\r\nFinish time is 1:10:50.0, or 70:50.0\r\n"},
        {PACECALC_PATH, {"1", long_colons}, 4, "Time format incorrect: Too many colons\r\n"},
        {FINISHCALC_PATH, {"\xe9", "7:30"}, 2, unrecognized},    // one byte above 0x7F
        {PACECALC_PATH, {"\xc3\xa9", "7:30"}, 3, not_positive},  // two bytes: no number
        {FINISHCALC_PATH, {"1\xe9", "7:30"}, 0, "\r\nFinish time is 7:30.0\r\n"},
        {PACECALC_PATH, {"1", "7:3\xd9\xa3"}, 0, "\r\nPace is 7:03.0 per mile\r\n"},
        {FINISHCALC_PATH, {"1e308", "7:30"}, 5, out_of_range},
        {PACECALC_PATH, {"1e-320", "7:30"}, 5, out_of_range},
        {PACECALC_PATH, {"1", "1e999"}, 5, out_of_range},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.tool) + " " + c.args[0].substr(0, 20) + " " +
                     c.args[1].substr(0, 20));
        const ProcessResult r = run_process(c.tool, c.args);
        EXPECT_EQ(r.status, c.status);
        EXPECT_EQ(r.output, c.output);
        EXPECT_EQ(r.errors, "");
    }
}

// A huge but finite result prints every digit of its hours: no cut, no exponent.
TEST(CalculatorsHostile, HugeFiniteResultPrintsWhole)
{
    const ProcessResult r = run_process(FINISHCALC_PATH, {"1e300", "1:00"});
    EXPECT_EQ(r.status, 0);
    const std::string prefix = "\r\nFinish time is ";
    ASSERT_EQ(r.output.substr(0, prefix.size()), prefix);
    const std::size_t colon = r.output.find(':');
    const std::string hours = r.output.substr(prefix.size(), colon - prefix.size());
    EXPECT_EQ(hours.size(), 299u);  // 1e300 minutes are about 1.7e298 hours
    EXPECT_EQ(hours.find_first_not_of("0123456789"), std::string::npos);
    EXPECT_NE(r.output.find(", or "), std::string::npos);
}

}  // namespace
