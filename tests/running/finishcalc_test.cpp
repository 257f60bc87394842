// finishcalc run as a program: console bytes and exit status for every outcome.
#include "run_process.hpp"
#include "tool_runs.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Case = ToolCase;

void check_runs(const std::vector<Case>& cases) { check_tool_runs(FINISHCALC_PATH, cases); }

std::string result(const std::string& line) { return "\r\nFinish time is " + line + "\r\n"; }

TEST(Finishcalc, UsageNamesTheProgramAsInvoked)
{
    const std::string name = "./fc";
    const std::string usage =
        "finishcalc - finish time of a race run at a given pace per mile\r\n"
        "Free software, distributed under the MIT license.\r\n"
        "Report problems to the hrmtools maintainers.\r\n"
        "\r\n"
        "Usage: ./fc distance pace\r\n"
        "distance in miles (default, eg, 10 or 10m) or kilometers (eg, 8k)\r\n"
        "Use just h for half marathon, just m for marathon\r\n"
        "pace in mins:secs, eg, 5:04, 11:00\r\n"
        "Example: 5k race at 7 mins, 30 secs is\r\n"
        "./fc 5k 7:30\r\n"
        "Example: 10 mile race at 6 mins flat is\r\n"
        "./fc 10 6:00\r\n"
        "Example: marathon at 8 mins 5 secs is\r\n"
        "./fc m 8:05\r\n";
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{}, std::vector<std::string>{"x"}}) {
        SCOPED_TRACE(args.size());
        const ProcessResult r = run_process(FINISHCALC_PATH, args, {}, &name);
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.output, usage);
        EXPECT_EQ(r.errors, "");
    }
}

TEST(Finishcalc, ShortAndLongResultForms)
{
    check_runs({
        {{"5k", "7:30"}, 0, result("23:18.1")},
        {{"10", "6:00"}, 0, result("1:00:00.0, or 60:00.0")},  // exactly an hour: long form
        {{"m", "8:05"}, 0, result("3:31:56.1, or 211:56.1")},
        {{"h", "8:00"}, 0, result("1:44:52.5, or 104:52.5")},
        {{"26.2", "7:00"}, 0, result("3:03:24.0, or 183:24.0")},
        {{"1000", "10:00"}, 0, result("166:40:00.0, or 10000:00.0")},
        {{"10", "6:00", "extra"}, 0, result("1:00:00.0, or 60:00.0")},
    });
}

TEST(Finishcalc, PaceForms)
{
    check_runs({
        {{"10", "45"}, 0, result("7:30.0")},  // no colon: seconds
        {{"10", "450"}, 0, result("1:15:00.0, or 75:00.0")},
        {{"10", "7.5"}, 0, result("1:15.0")},
        {{"m", "7.5:00"}, 0, result("3:16:38.4, or 196:38.4")},
        {{"10", "7:"}, 0, result("1:10:00.0, or 70:00.0")},  // empty pieces are 0
        {{"10", ":30"}, 0, result("5:00.0")},
        {{"1", "59:60"}, 0, result("1:00:00.0, or 60:00.0")},
        {{"10", "00"}, 0, result("0:00.0")},
        {{"10", "0:00"}, 0, result("0:00.0")},
        {{"10", "ab"}, 0, result("0:00.0")},
        {{"1", "-5:-30"}, 0, result("-5:-30.0")},
        {{"1", "-61:00"}, 0, result("-1:-1:00.0, or -61:00.0")},
    });
}

TEST(Finishcalc, SecondsRoundOnlyWhenPrinted)
{
    check_runs({
        {{"1", "0:59.96"}, 0, result("0:60.0")},
        {{"2", "32:59.99"}, 0, result("1:05:60.0, or 65:60.0")},
        {{"3", "19:59.99"}, 0, result("59:60.0")},  // just under an hour: short form
        {{"1", "0:11.25"}, 0, result("0:11.3")},
    });
}

TEST(Finishcalc, Refusals)
{
    const std::string too_small = "Time is too small\r\n";
    const std::string too_many = "Time format incorrect: Too many colons\r\n";
    const std::string out_of_range = "Result is out of range\r\n";
    check_runs({
        {{"x", "7"}, 2, "Unrecognized distance\r\n"},  // the distance is looked at first
        {{"k", "7:30"}, 2, "Unrecognized distance\r\n"},
        {{"abc", "7:30"}, 3, "Distance can't be 0 or negative\r\n"},
        {{"-5k", "7"}, 3, "Distance can't be 0 or negative\r\n"},
        {{"", "7:30"}, 3, "Distance can't be 0 or negative\r\n"},
        {{"10", "7"}, 4, too_small},
        {{"10", ":"}, 4, too_small},
        {{"10", ""}, 4, too_small},
        {{"10", "7:30:00"}, 4, too_many},
        {{"10", "::"}, 4, too_many},
        {{"1e308", "9:00"}, 5, out_of_range},
        {{"1e308", "-9:00"}, 5, out_of_range},
        {{"10", "1e308:00"}, 5, out_of_range},
        {{"1", "1e400:-1e400"}, 5, out_of_range},  // not a number
    });
}

}  // namespace
