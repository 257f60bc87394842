// pacecalc run as a program: console bytes and exit status for every outcome.
#include "run_process.hpp"
#include "tool_runs.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Case = ToolCase;

void check_runs(const std::vector<Case>& cases) { check_tool_runs(PACECALC_PATH, cases); }

std::string result(const std::string& pace) { return "\r\nPace is " + pace + " per mile\r\n"; }

TEST(Pacecalc, UsageNamesTheProgramAsInvoked)
{
    const std::string name = "/opt/pc";
    const std::string usage =
        "pacecalc - average pace per mile of a race run in a given time\r\n"
        "Free software, distributed under the MIT license.\r\n"
        "Report problems to the hrmtools maintainers.\r\n"
        "\r\n"
        "Usage: /opt/pc distance total_time\r\n"
        "distance in miles (default, eg, 10 or 10m) or kilometers (eg, 8k)\r\n"
        "Use just h for half marathon, just m for marathon\r\n"
        "time in mins:secs or hrs:mins:secs, eg, 15:04, 81:17, 2:31:00\r\n"
        "Example: 5k race in 17 mins, 30 secs is\r\n"
        "/opt/pc 5k 17:30\r\n"
        "Example: 10 mile race in 1 hour, 6 mins, and no secs is\r\n"
        "/opt/pc 10 1:06:00, or\r\n"
        "/opt/pc 10 66:00\r\n"
        "Example: marathon in 3 hours, 7 mins, and 4 secs is\r\n"
        "/opt/pc m 3:07:04\r\n";
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{}, std::vector<std::string>{"10"}}) {
        SCOPED_TRACE(args.size());
        const ProcessResult r = run_process(PACECALC_PATH, args, {}, &name);
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.output, usage);
        EXPECT_EQ(r.errors, "");
    }
}

TEST(Pacecalc, TimeForms)
{
    check_runs({
        {{"5k", "17:30"}, 0, result("5:38.0")},
        {{"10", "1:06:00"}, 0, result("6:36.0")},  // seconds part just below 36
        {{"10", "66:00"}, 0, result("6:36.0")},
        {{"m", "3:07:04"}, 0, result("7:08.1")},
        {{"h", "1:30:00"}, 0, result("6:51.9")},
        {{"1", "600"}, 0, result("10:00.0")},  // no colon: seconds
        {{"1", "100"}, 0, result("1:40.0")},
        {{"0.5", "45:00"}, 0, result("90:00.0")},  // hours are never split off
        {{"1", "1::"}, 0, result("60:00.0")},
        {{"1", "0:90"}, 0, result("1:30.0")},
        {{"1", ":30"}, 0, result("0:30.0")},
        {{"1", "17:30s"}, 0, result("17:30.0")},
        {{"1", "-1:-30"}, 0, result("-1:-30.0")},
        {{"5k", "17:30", "extra"}, 0, result("5:38.0")},
    });
}

TEST(Pacecalc, SecondsRoundOnlyWhenPrinted)
{
    check_runs({
        {{"1", "7:59.98"}, 0, result("7:60.0")},
        {{"1", "7:11.25"}, 0, result("7:11.3")},
    });
}

TEST(Pacecalc, Refusals)
{
    const std::string too_small = "Time is too small\r\n";
    const std::string too_many = "Time format incorrect: Too many colons\r\n";
    const std::string out_of_range = "Result is out of range\r\n";
    check_runs({
        {{"x", "1"}, 2, "Unrecognized distance\r\n"},  // the distance is looked at first
        {{".", "17:30"}, 2, "Unrecognized distance\r\n"},
        {{"0", "17:30"}, 3, "Distance can't be 0 or negative\r\n"},
        {{"half", "1:30:00"}, 3, "Distance can't be 0 or negative\r\n"},
        {{"1", "59"}, 4, too_small},
        {{"1", "::"}, 4, too_small},
        {{"1", ""}, 4, too_small},
        {{"1", "1:2:3:4"}, 4, too_many},
        {{"1", ":::"}, 4, too_many},
        {{"1e-320", "10:00"}, 5, out_of_range},
        {{"1", "1e400"}, 5, out_of_range},
        {{"1", "1e400::-1e400"}, 5, out_of_range},  // not a number
    });
}

}  // namespace
