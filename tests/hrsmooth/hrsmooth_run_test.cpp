// Whole hrsmooth runs: console bytes, exit status and output file, byte for byte.
// Every line end in the expected texts is CR LF, written out as "\r\n".
#include "hrsmooth_fixture.hpp"

#include <cstdio>
#include <string>

namespace {

const std::string ride =
    hrm_file("Length=0:00:30.0", "Interval=5", {"110", "167", "103", "81", "93", "122", "63"});

TEST_F(HrsmoothRun, SmoothsTheWholeFileInMode3)
{
    const SmoothResult r = smooth("3", ride);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.console, "");
    // Index 3 sums to exactly 100.5 in the file's order of terms and is written as 101.
    EXPECT_EQ(r.output, "[Params]\r\nLength=0:00:30.0\r\nInterval=5\r\n[Note]\r\n"
                        "Filtered (mode 3): Easy ride\r\n[HRData]\r\n"
                        "110\r\n167\r\n103\r\n101\r\n93\r\n122\r\n63\r\n\r\n");
}

TEST_F(HrsmoothRun, UsageWithFewerThanThreeArguments)
{
    const std::string usage =
        "hrsmooth - smooth the heart-rate samples of an HRM file\r\n"
        "Free software, distributed under the MIT license.\r\n"
        "Report problems to the hrmtools maintainers.\r\n"
        "\r\n"
        "Usage: " HRSMOOTH_PATH " <filter mode #> infile outfile\r\n"
        "Mode: 1 = 3 peak\r\nMode: 2 = 3 even\r\nMode: 3 = 5 peak\r\nMode: 4 = 5 even\r\n"
        "Mode: 5 = 7 peak\r\nMode: 6 = 7 soft peak\r\nMode: 7 = 7 even\r\n";
    write_file(dir.path / "in.hrm", ride);
    for (const auto& args : {std::vector<std::string>{}, {"3"}, {"3", "in.hrm"}}) {
        SCOPED_TRACE(args.size());
        const SmoothResult r = run(args);
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.console, usage);
        EXPECT_EQ(r.output, "<none>");
    }
}

// Each failure with its message and status; the output keeps every header line written before it.
TEST_F(HrsmoothRun, FailuresWithTheirMessagesAndStatuses)
{
    const std::string header = "[Params]\r\nLength=0:00:30.0\r\nInterval=5\r\n[Note]\r\n"
                               "Filtered (mode 3): Easy ride\r\n[HRData]\r\n";
    expect_runs(
        "3",
        {
            {"no note: the samples are never reached",
             crlf_lines({"[Params]", "Length=0:00:30.0", "Interval=5", "[HRData]", "1"}), 5,
             "Error reading input file\r\n",
             crlf_lines({"[Params]", "Length=0:00:30.0", "Interval=5", "[HRData]", "1"})},
            {"empty input", "", 5, "Error reading input file\r\n", ""},
            {"interval missing",
             crlf_lines({"[Params]", "Length=0:00:30.0", "[Note]", "x", "[HRData]"}), 6,
             "Error reading exercise/interval times.\r\n",
             crlf_lines(
                 {"[Params]", "Length=0:00:30.0", "[Note]", "Filtered (mode 3): x", "[HRData]"})},
            {"interval before length is not looked for",
             crlf_lines({"[Params]", "Interval=5", "Length=0:00:30.0", "[Note]", "x", "[HRData]"}),
             6, "Error reading exercise/interval times.\r\n",
             crlf_lines({"[Params]", "Interval=5", "Length=0:00:30.0", "[Note]",
                         "Filtered (mode 3): x", "[HRData]"})},
            {"no params: length and interval stay zero",
             crlf_lines({"[Note]", "x", "[HRData]", "1"}), 6,
             "Error reading exercise/interval times.\r\n",
             crlf_lines({"[Note]", "Filtered (mode 3): x", "[HRData]"})},
            {"29.9 seconds at 5 make 6 samples",
             hrm_file("Length=0:00:29.9", "Interval=5", {"1", "2", "3", "4", "5", "6", "7"}), 7,
             "Error: too few data points.\r\n",
             crlf_lines({"[Params]", "Length=0:00:29.9", "Interval=5", "[Note]",
                         "Filtered (mode 3): Easy ride", "[HRData]"})},
            {"negative interval", hrm_file("Length=0:00:30.0", "Interval=-5", {"1"}), 7,
             "Error: too few data points.\r\n",
             crlf_lines({"[Params]", "Length=0:00:30.0", "Interval=-5", "[Note]",
                         "Filtered (mode 3): Easy ride", "[HRData]"})},
            {"a count beyond 32 bits", hrm_file("Length=9:59:59.9", "Interval=1e-9", {"1"}), 8,
             "Error: not enough memory.\r\n",
             crlf_lines({"[Params]", "Length=9:59:59.9", "Interval=1e-9", "[Note]",
                         "Filtered (mode 3): Easy ride", "[HRData]"})},
            {"a tiny interval makes the count infinite",
             hrm_file("Length=0:00:30.0", "Interval=1e-320", {"1"}), 8,
             "Error: not enough memory.\r\n",
             crlf_lines({"[Params]", "Length=0:00:30.0", "Interval=1e-320", "[Note]",
                         "Filtered (mode 3): Easy ride", "[HRData]"})},
            {"six samples where seven are due",
             hrm_file("Length=0:00:30.0", "Interval=5", {"1", "2", "3", "4", "5", "6"}), 9,
             "Error reading HR data.\r\n", header},
            {"a word among the samples",
             hrm_file("Length=0:00:30.0", "Interval=5", {"1", "2", "x3", "4", "5", "6", "7"}), 9,
             "Error reading HR data.\r\n", header},
            {"text glued to a sample spoils the next read",
             hrm_file("Length=0:00:30.0", "Interval=5", {"1", "12abc", "3", "4", "5", "6", "7"}), 9,
             "Error reading HR data.\r\n", header},
            {"a sample too large for a double",
             hrm_file("Length=0:00:30.0", "Interval=5", {"1", "1e999", "3", "4", "5", "6", "7"}), 9,
             "Error reading HR data.\r\n", header},
        });
}

TEST_F(HrsmoothRun, SmoothedValuesThatOverflowAreRefusedBeforeAnySampleIsWritten)
{
    const std::string max = "1.7976931348623157e308";
    // In mode 3 the rounded products of seven maximal samples add up past the largest double.
    const SmoothResult r = smooth(
        "3", hrm_file("Length=0:00:30.0", "Interval=5", {max, max, max, max, max, max, max}));
    EXPECT_EQ(r.status, 9);
    EXPECT_EQ(r.console, "Error reading HR data.\r\n");
    EXPECT_EQ(r.output.find("[HRData]\r\n") + 10, r.output.size());
}

// The mode text: how it is read and brought into range, and which number goes into the note.
TEST_F(HrsmoothRun, ModeTextAndItsNotice)
{
    const struct Case {
        const char* mode;
        const char* console;
        const char* tag;
    } cases[] = {
        {"9", "Max filter number is 7. Setting to max...\r\n", "Filtered (mode 7): "},
        {"2147483647", "Max filter number is 7. Setting to max...\r\n", "Filtered (mode 7): "},
        {"2147483648", "Min filter number is 0. Setting to min...\r\n", "Filtered (mode 0): "},
        {"-1", "Min filter number is 0. Setting to min...\r\n", "Filtered (mode 0): "},
        {"4294967299", "", "Filtered (mode 3): "},  // wraps around in 32 bits
        {"abc", "", "Filtered (mode 0): "},
        {"3x", "", "Filtered (mode 3): "},
        {" 5", "", "Filtered (mode 5): "},
        {"+3", "", "Filtered (mode 3): "},
        {"-0", "", "Filtered (mode 0): "},
        {"", "", "Filtered (mode 0): "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        const SmoothResult r = smooth(c.mode, ride);
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.console, c.console);
        EXPECT_NE(r.output.find(std::string("[Note]\r\n") + c.tag + "Easy ride\r\n"),
                  std::string::npos);
    }
}

// Seven samples per case, so only index 3 is smoothed: each mode's row and the rounding.
TEST_F(HrsmoothRun, EachModeSmoothsTheMiddleSample)
{
    const struct Case {
        const char* mode;
        std::initializer_list<std::string> samples;
        const char* written;
    } cases[] = {
        {"0",
         {"71.5", "71.49", "-1.7", "-0.2", "0.5", "-0.5", "1e2"},
         "72\r\n71\r\n-1\r\n0\r\n1\r\n0\r\n100\r\n"},
        {"1",
         {"100", "100", "100", "120", "100", "100", "100"},
         "100\r\n100\r\n100\r\n110\r\n100\r\n100\r\n100\r\n"},
        {"2", {"0", "0", "90", "90", "90", "0", "0"}, "0\r\n0\r\n90\r\n90\r\n90\r\n0\r\n0\r\n"},
        {"3",
         {"110", "167", "103", "81", "93", "122", "63"},
         "110\r\n167\r\n103\r\n101\r\n93\r\n122\r\n63\r\n"},
        {"4",
         {"100", "100", "100", "100", "110", "100", "100"},
         "100\r\n100\r\n100\r\n102\r\n110\r\n100\r\n100\r\n"},
        {"5", {"0", "0", "0", "100", "0", "0", "0"}, "0\r\n0\r\n0\r\n30\r\n0\r\n0\r\n0\r\n"},
        {"6", {"100", "0", "0", "0", "0", "0", "100"}, "100\r\n0\r\n0\r\n20\r\n0\r\n0\r\n100\r\n"},
        {"7", {"0", "0", "0", "1000", "0", "0", "0"}, "0\r\n0\r\n0\r\n148\r\n0\r\n0\r\n0\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("mode ") + c.mode + " on " + *c.samples.begin());
        const SmoothResult r =
            smooth(c.mode, hrm_file("Length=0:00:30.0", "Interval=5", c.samples));
        EXPECT_EQ(r.status, 0);
        const std::size_t data = r.output.find("[HRData]\r\n") + 10;
        EXPECT_EQ(r.output.substr(data), std::string(c.written) + "\r\n");
    }
}

// A finite value of any size is written as its exact whole number.
TEST_F(HrsmoothRun, HugeValuesAreWrittenAsExactWholeNumbers)
{
    char huge[400];
    std::snprintf(huge, sizeof huge, "%.0f", 1e300);  // glibc prints the exact value
    const SmoothResult r = smooth("0", hrm_file("Length=0:00:30.0", "Interval=5",
                                                {"-3.7", "1e300", "1", "-1e300", "3", "4", "5"}));
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.output.substr(r.output.find("[HRData]\r\n") + 10),
              "-3\r\n" + std::string(huge) + "\r\n1\r\n-" + huge + "\r\n3\r\n4\r\n5\r\n\r\n");
}

// Interior samples use the samples as read, never values already smoothed.
TEST_F(HrsmoothRun, SmoothsEveryInteriorSampleFromTheSamplesAsRead)
{
    const SmoothResult r =
        smooth("1", hrm_file("Length=0:00:50.0", "Interval=5",
                             {"0", "0", "0", "100", "0", "0", "100", "0", "0", "0", "0"}));
    EXPECT_EQ(r.status, 0);
    const std::size_t data = r.output.find("[HRData]\r\n") + 10;
    EXPECT_EQ(r.output.substr(data),
              "0\r\n0\r\n0\r\n50\r\n25\r\n25\r\n50\r\n25\r\n0\r\n0\r\n0\r\n\r\n");
}

// How the samples are laid out does not matter; what follows them is copied as it stands.
TEST_F(HrsmoothRun, SamplesAreAFlatSequenceOfNumbers)
{
    const struct Case {
        const char* name;
        std::string data;
        std::string written;
    } cases[] = {
        {"several columns per row", "1\t2\r\n3 4\r\n5 6 7,8\r\n",
         "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n,8\r\n"},
        {"extra samples are copied unsmoothed", "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n",
         "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n\r\n8\r\n9\r\n"},
        {"last sample without a line end", "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7",
         "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n"},
        {"text after the last sample", "1\n2\n3\n4\n5\n6\n7 bpm\n[Laps]\n",
         "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n bpm\r\n[Laps]\r\n"},
        {"an exponent letter without digits stays unread", "1\n2\n3\n4\n5\n6\n7e+\n",
         "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\ne+\r\n"},
        {"no d exponents in samples", "1\n2\n3\n4\n5\n6\n7d1\n",
         "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\nd1\r\n"},
        {"signs, fractions and exponents", "+1\n-2\n.5\n4.\n5e0\n6E+0\n70e-1\n",
         "1\r\n-1\r\n1\r\n4\r\n5\r\n6\r\n7\r\n\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string header =
            crlf_lines({"[Params]", "Length=0:00:30.0", "Interval=5", "[Note]", "x", "[HRData]"});
        const SmoothResult r = smooth("0", header + c.data);
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.output.substr(r.output.find("[HRData]\r\n") + 10), c.written);
    }
}

}  // namespace
