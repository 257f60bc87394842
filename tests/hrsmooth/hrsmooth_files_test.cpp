// hrsmooth and its files: line ends, long lines, header keys, file names and failing files.
#include "hrsmooth_fixture.hpp"

#include <filesystem>
#include <string>

namespace {

using namespace std::string_literals;

const std::string samples = "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n";
const std::string written = "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n\r\n";

// CR LF and bare LF are line ends, a bare CR is an ordinary byte, Ctrl-Z ends the input; NUL and
// other bytes are copied. Every line end comes out as CR LF.
TEST_F(HrsmoothRun, TextModeLineEnds)
{
    const struct Case {
        const char* name;
        std::string input;
        int status;
        std::string output;
    } cases[] = {
        {"bare LF",
         "[Params]\nLength=0:00:30.0\nInterval=5\n[Note]\nx\n[HRData]\n1\n2\n3\n4\n5\n6\n7\nend\n",
         0,
         "[Params]\r\nLength=0:00:30.0\r\nInterval=5\r\n[Note]\r\nFiltered (mode 0): x\r\n"
         "[HRData]\r\n" +
             written + "end\r\n"},
        {"bare CR inside a line",
         "[Params]\r\nLength=0:00:30.0\r\nInterval=5\r\n[Note]\r\na\rb\r\n"
         "[HRData]\r\n" +
             samples + "x\ry\r\r\n",
         0,
         "[Params]\r\nLength=0:00:30.0\r\nInterval=5\r\n[Note]\r\nFiltered (mode 0): a\rb\r\n"
         "[HRData]\r\n" +
             written + "x\ry\r\r\n"},
        {"Ctrl-Z ends the input",
         "[Params]\r\nLength=0:00:30.0\r\nInterval=5\r\n[Note]\r\nx\r\n"
         "[HRData]\r\n" +
             samples +
             "tail\r\n\x1a"
             "after\r\n",
         0,
         "[Params]\r\nLength=0:00:30.0\r\nInterval=5\r\n[Note]\r\nFiltered (mode 0): x\r\n"
         "[HRData]\r\n" +
             written + "tail\r\n"},
        {"Ctrl-Z before the samples end",
         "[Params]\r\nLength=0:00:30.0\r\nInterval=5\r\n[Note]\r\nx\r\n"
         "[HRData]\r\n1\r\n2\x1a"
         "3\r\n4\r\n5\r\n6\r\n7\r\n",
         9,
         "[Params]\r\nLength=0:00:30.0\r\nInterval=5\r\n[Note]\r\nFiltered (mode 0): "
         "x\r\n[HRData]\r\n"},
        {"NUL bytes are copied",
         "[Params]\r\nLength=0:00:30.0\r\nInterval=5\r\n[Note]\r\na\0b\r\n[HRData]\r\n"s + samples +
             "\0\r\n"s,
         0,
         "[Params]\r\nLength=0:00:30.0\r\nInterval=5\r\n[Note]\r\nFiltered (mode 0): a\0b\r\n"
         "[HRData]\r\n"s +
             written + "\0\r\n"s},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const SmoothResult r = smooth("0", c.input);
        EXPECT_EQ(r.status, c.status);
        EXPECT_EQ(r.output, c.output);
    }
}

// A CR LF pair split by the reader's block boundary is still one line end.
TEST_F(HrsmoothRun, LineEndSplitAcrossReadBlocks)
{
    for (std::size_t size :
         {(std::size_t{1} << 18) - 1, std::size_t{1} << 18, std::size_t{1} << 19}) {
        SCOPED_TRACE(size);
        const std::string head =
            "[Params]\r\nLength=0:00:30.0\r\nInterval=5\r\n[Note]\r\nx\r\n[HRData]\r\n";
        const std::string input = head + samples +
                                  std::string(size - head.size() - samples.size() - 1, 'a') +
                                  "\r\n" + "b\r\n";
        const SmoothResult r = smooth("0", input);
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.output.substr(r.output.size() - 7), "aa\r\nb\r\n");
        EXPECT_EQ(r.output.size(), input.size() + 19 + 2);  // the note tag and one more line end
    }
}

// A Ctrl-Z that is the first byte of a read, at the start of the file or of the reader's second
// block, ends the input there like any other.
TEST_F(HrsmoothRun, CtrlZAsTheFirstByteOfARead)
{
    SmoothResult r = smooth("0", "\x1a[Params]\r\n");
    EXPECT_EQ(r.status, 5);
    EXPECT_EQ(r.console, "Error reading input file\r\n");
    EXPECT_EQ(r.output, "");

    const std::size_t block = std::size_t{1} << 18;
    const std::string head =
        "[Params]\r\nLength=0:00:30.0\r\nInterval=5\r\n[Note]\r\nx\r\n[HRData]\r\n" + samples;
    const std::string filler = std::string(block - head.size() - 2, 'a') + "\r\n";
    r = smooth("0", head + filler +
                        "\x1a"
                        "after\r\n");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.output, "[Params]\r\nLength=0:00:30.0\r\nInterval=5\r\n[Note]\r\n"
                        "Filtered (mode 0): x\r\n[HRData]\r\n" +
                            written + filler);
}

// Lines are read in pieces of at most 254 characters, each piece tested as a line of its own, and
// copied whole.
TEST_F(HrsmoothRun, LongLinesAreTestedPieceByPiece)
{
    const std::string pad254(254, '.');
    const struct Case {
        const char* name;
        std::string input;
        int status;
        std::string output;
    } cases[] = {
        {"a key at position 254 of a line starts a piece",
         crlf_lines({"[Params]", "Length=0:00:30.0", "Interval=5", pad254 + "[Note]", "x",
                     pad254 + "[HRData]"}) +
             samples,
         0,
         crlf_lines({"[Params]", "Length=0:00:30.0", "Interval=5", pad254 + "[Note]",
                     "Filtered (mode 0): x", pad254 + "[HRData]"}) +
             written},
        {"a key at position 253 does not",
         crlf_lines({"[Params]", "Length=0:00:30.0", "Interval=5", "[Note]", "x",
                     pad254.substr(1) + "[HRData]"}) +
             samples,
         5,
         crlf_lines({"[Params]", "Length=0:00:30.0", "Interval=5", "[Note]", "Filtered (mode 0): x",
                     pad254.substr(1) + "[HRData]"}) +
             samples},
        {"a 300-character note is copied whole",
         crlf_lines({"[Params]", "Length=0:00:30.0", "Interval=5", "[Note]", std::string(300, 'n'),
                     "[HRData]"}) +
             samples,
         0,
         crlf_lines({"[Params]", "Length=0:00:30.0", "Interval=5", "[Note]",
                     "Filtered (mode 0): " + std::string(300, 'n'), "[HRData]"}) +
             written},
        {"a line of exactly 254 characters leaves its line end as a piece",
         crlf_lines({"[Params]", "Length=0:00:30.0", "Interval=5", "[Note]" + std::string(248, 'n'),
                     "x", "[HRData]"}) +
             samples,
         0,
         crlf_lines({"[Params]", "Length=0:00:30.0", "Interval=5",
                     "[Note]" + std::string(248, 'n') + "Filtered (mode 0): ", "x", "[HRData]"}) +
             written},
        {"a megabyte line",
         crlf_lines({"[Params]", std::string(1 << 20, 'z'), "Length=0:00:30.0", "Interval=5",
                     "[Note]", "x", "[HRData]"}) +
             samples,
         0,
         crlf_lines({"[Params]", std::string(1 << 20, 'z'), "Length=0:00:30.0", "Interval=5",
                     "[Note]", "Filtered (mode 0): x", "[HRData]"}) +
             written},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const SmoothResult r = smooth("0", c.input);
        EXPECT_EQ(r.status, c.status);
        EXPECT_EQ(r.output, c.output);
    }
}

// The header keys: where they count, in any letter case, and how the values are read.
TEST_F(HrsmoothRun, HeaderKeys)
{
    const struct Case {
        const char* name;
        std::initializer_list<std::string> header;
        int status;
        std::string console;
    } cases[] = {
        {"keys in any letter case",
         {"[PARAMS]", "LENGTH=0:00:30.0", "interval=5", "[note]", "x", "[hrdata]"},
         0,
         ""},
        {"text after a section name",
         {"[Params] x", "Length=0:00:30.0", "Interval=5", "[Note]x", "x", "[HRData]tail"},
         0,
         ""},
        {"a blank before a section name",
         {"[Params]", "Length=0:00:30.0", "Interval=5", " [Note]", "x", "[HRData]"},
         5,
         "Error reading input file\r\n"},
        {"two-digit hours give no length",
         {"[Params]", "Length=01:05:23.4", "Interval=5", "[Note]", "x", "[HRData]"},
         5,
         "Error reading input file\r\n"},
        {"a zero length leaves the key open",
         {"[Params]", "Length=0:00:00.0", "Length=0:00:30.0", "Interval=5", "[Note]", "x",
          "[HRData]"},
         0,
         ""},
        {"a short length line reads what it has",
         {"[Params]", "Length=0:00:30", "Interval=5", "[Note]", "x", "[HRData]"},
         0,
         ""},
        {"length fields with exponents",
         {"[Params]", "Length=0:00:3d1 ", "Interval=5", "[Note]", "x", "[HRData]"},
         0,
         ""},
        {"keys before [Params] are not looked for",
         {"Length=0:00:30.0", "Interval=5", "[Params]", "[Note]", "x", "[HRData]"},
         5,
         "Error reading input file\r\n"},
        {"the note before [Params]",
         {"[Note]", "x", "[Params]", "Length=0:00:30.0", "Interval=5", "[HRData]"},
         0,
         ""},
        {"[HRData] before the note is copied like any line",
         {"[Params]", "Length=0:00:30.0", "Interval=5", "[HRData]", "[Note]", "x", "[HRData]"},
         0,
         ""},
        {"an interval of 5.0 seconds and a length of 0:00:34.9",
         {"[Params]", "Length=0:00:34.9", "Interval=5.0", "[Note]", "x", "[HRData]"},
         0,
         ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const SmoothResult r = smooth("0", crlf_lines(c.header) + samples);
        EXPECT_EQ(r.status, c.status);
        EXPECT_EQ(r.console, c.console);
        if (c.status == 0) {
            EXPECT_EQ(r.output.substr(r.output.size() - written.size()), written);
        }
    }
}

TEST_F(HrsmoothRun, EmptyNoteGetsTheTagAndItsLineEnd)
{
    const SmoothResult r = smooth(
        "2", crlf_lines({"[Params]", "Length=0:00:30.0", "Interval=5", "[Note]", "", "[HRData]"}) +
                 samples);
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.output.find("[Note]\r\nFiltered (mode 2): \r\n[HRData]\r\n"), std::string::npos);
}

// A header that claims far more samples than the file holds ends at once, without touching the
// memory it reserved.
TEST_F(HrsmoothRun, HugeClaimedCountOverATinyFile)
{
    const SmoothResult r =
        smooth("3", hrm_file("Length=9:59:59.9", "Interval=0.00012", {"1", "2"}));
    EXPECT_EQ(r.status, 9);
    EXPECT_EQ(r.console, "Error reading HR data.\r\n");
}

// The output must never replace the input: names equal but for letter case, and other spellings
// of one existing file.
TEST_F(HrsmoothRun, OutputNamingTheInputIsRefused)
{
    const std::string input =
        hrm_file("Length=0:00:30.0", "Interval=5", {"1", "2", "3", "4", "5", "6", "7"});
    write_file(dir.path / "ride.hrm", input);
    std::filesystem::create_directory(dir.path / "sub");
    std::filesystem::create_symlink("ride.hrm", dir.path / "link.hrm");
    std::filesystem::create_hard_link(dir.path / "ride.hrm", dir.path / "hard.hrm");
    const std::string absolute = (dir.path / "ride.hrm").string();
    for (const std::string& out :
         {std::string("RIDE.HRM"), std::string("ride.hrm"), absolute, std::string("./ride.hrm"),
          std::string("sub/../ride.hrm"), std::string("link.hrm"), std::string("hard.hrm")}) {
        SCOPED_TRACE(out);
        const SmoothResult r = run({"3", "ride.hrm", out});
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.console, "Error: input and output files cannot be the same.\r\n");
        EXPECT_EQ(read_file(dir.path / "ride.hrm"), input);
    }
    // The case test comes before the input is opened; the others need the input to exist.
    EXPECT_EQ(run({"3", "missing.hrm", "MISSING.HRM"}).status, 2);
}

TEST_F(HrsmoothRun, FilesThatCannotBeOpened)
{
    write_file(dir.path / "in.hrm", hrm_file("Length=0:00:30.0", "Interval=5", {"1"}));
    std::filesystem::create_directory(dir.path / "folder");
    const struct Case {
        std::string in;
        std::string out;
        int status;
        std::string console;
    } cases[] = {
        {"missing.hrm", "out.hrm", 3, "Error: could not open missing.hrm.\r\n"},
        {"folder", "out.hrm", 3, "Error: could not open folder.\r\n"},
        {"", "out.hrm", 3, "Error: could not open .\r\n"},
        {"in.hrm", "no/such/folder.hrm", 4, "Error: could not open no/such/folder.hrm.\r\n"},
        {"in.hrm", "folder", 4, "Error: could not open folder.\r\n"},
        {"in.hrm", "", 4, "Error: could not open .\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.in + " -> " + c.out);
        const SmoothResult r = run({"3", c.in, c.out});
        EXPECT_EQ(r.status, c.status);
        EXPECT_EQ(r.console, c.console);
        EXPECT_FALSE(std::filesystem::exists(dir.path / "out.hrm"));
    }
}

TEST_F(HrsmoothRun, FailedWritesAreReported)
{
    if (!std::filesystem::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full";
    write_file(dir.path / "in.hrm",
               hrm_file("Length=0:00:30.0", "Interval=5", {"1", "2", "3", "4", "5", "6", "7"}));
    SmoothResult r = run({"3", "in.hrm", "/dev/full"});
    EXPECT_EQ(r.status, 10);
    EXPECT_EQ(r.console, "Error writing output file.\r\n");
    // A run that fails for another reason keeps its own status.
    write_file(dir.path / "in.hrm", hrm_file("Length=0:00:30.0", "Interval=5", {"1"}));
    r = run({"3", "in.hrm", "/dev/full"});
    EXPECT_EQ(r.status, 9);
    EXPECT_EQ(r.console, "Error reading HR data.\r\n");
}

}  // namespace
