// The calculators on hostile arguments: empty, 100 kB long, bytes above 0x7F, absurd sizes.
// Each ends with its exact message and status, nothing on standard error.
#include "run_process.hpp"
#include "tool_runs.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const std::string too_small = "Time is too small\r\n";
const std::string not_positive = "Distance can't be 0 or negative\r\n";
const std::string unrecognized = "Unrecognized distance\r\n";
const std::string out_of_range = "Result is out of range\r\n";

TEST(CalculatorsHostile, ArgumentsOfEveryShape)
{
    const std::string long_digits(100'000, '1');                    // about 1.1e99999: an infinity
    const std::string long_zeros = std::string(99'999, '0') + "5";  // 5, after 99,999 zeros
    const std::string long_colons(100'000, ':');
    check_tool_runs(FINISHCALC_PATH,
                    {
                        {{"", "7:30"}, 3, not_positive},
                        {{"10", ""}, 4, too_small},
                        {{long_digits, "6:00"}, 5, out_of_range},
                        {{long_zeros, "6:00"}, 0, "\r\nFinish time is 30:00.0\r\n"},
                        {{"\xe9", "7:30"}, 2, unrecognized},  // one byte above 0x7F
                        {{"1\xe9", "7:30"}, 0, "\r\nFinish time is 7:30.0\r\n"},
                        {{"1e308", "7:30"}, 5, out_of_range},
                    });
    check_tool_runs(PACECALC_PATH,
                    {
                        {{"", ""}, 3, not_positive},
                        {{"10", ""}, 4, too_small},
                        {{long_digits, "6:00"}, 0, "\r\nPace is 0:00.0 per mile\r\n"},
                        {{long_zeros, "30:00"}, 0, "\r\nPace is 6:00.0 per mile\r\n"},
                        {{"1", long_colons}, 4, "Time format incorrect: Too many colons\r\n"},
                        {{"\xc3\xa9", "7:30"}, 3, not_positive},  // two bytes: no number
                        {{"1", "7:3\xd9\xa3"}, 0, "\r\nPace is 7:03.0 per mile\r\n"},
                        {{"1e-320", "7:30"}, 5, out_of_range},
                        {{"1", "1e999"}, 5, out_of_range},
                    });
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
