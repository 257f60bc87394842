// Distance reading: every accepted form and both refusals.
#include "read_distance.hpp"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <string>

namespace {

constexpr double km = 0.6213688756330196;
constexpr std::string_view unrecognized = "Unrecognized distance\n";
constexpr std::string_view not_positive = "Distance can't be 0 or negative\n";

struct Case {
    const char* text;
    int status;
    double miles;  // checked bit for bit when the status is 0
};

TEST(ReadDistance, AcceptedForms)
{
    const Case cases[] = {
        {"10", 0, 10.0},
        {"10m", 0, 10.0},
        {"10x", 0, 10.0},
        {"10 miles", 0, 10.0},
        {"8k", 0, 8.0 * km},
        {"8K", 0, 8.0 * km},
        {"8 k", 0, 8.0 * km},
        {"1.5k", 0, 1.5 * km},
        {"8km", 0, 8.0},
        {"7", 0, 7.0},
        {"h", 0, 13.109375},
        {"H", 0, 13.109375},
        {"m", 0, 26.21875},
        {"M", 0, 26.21875},
        {" 5", 0, 5.0},
        {"5k ", 0, 5.0},
        {"\t26.2", 0, 26.2},
        {"5e-1k", 0, 0.5 * km},
        {"42.195k", 0, 42.195 * km},  // the product, not 42.195 / 1.60935
        {"1e400", 0, HUGE_VAL},
        {"1e400k", 0, HUGE_VAL},
        {"1e-320", 0, 1e-320},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("text \"") + c.text + "\"");
        const DistanceResult r = read_distance(c.text);
        EXPECT_EQ(r.status, 0);
        EXPECT_TRUE(r.message.empty());
        EXPECT_EQ(std::bit_cast<std::uint64_t>(r.miles), std::bit_cast<std::uint64_t>(c.miles))
            << r.miles << " vs " << c.miles;
    }
}

TEST(ReadDistance, Refusals)
{
    const Case cases[] = {
        // One character that is neither a digit nor a shorthand.
        {"k", 2, 0},
        {"K", 2, 0},
        {"x", 2, 0},
        {".", 2, 0},
        {"-", 2, 0},
        {" ", 2, 0},
        {"\xd9", 2, 0},
        {"n", 2, 0},
        // Anything else that does not come to more than zero miles.
        {"", 3, 0},
        {"abc", 3, 0},
        {"m5", 3, 0},
        {"hm", 3, 0},
        {"half", 3, 0},
        {"0", 3, 0},
        {"0k", 3, 0},
        {"-5", 3, 0},
        {"-5k", 3, 0},
        {"-0", 3, 0},
        {"  ", 3, 0},
        {"1e-400", 3, 0},
        {"-1e400", 3, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("text \"") + c.text + "\"");
        const DistanceResult r = read_distance(c.text);
        EXPECT_EQ(r.status, c.status);
        EXPECT_EQ(r.message, c.status == 2 ? unrecognized : not_positive);
    }
}

}  // namespace
