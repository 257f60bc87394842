// hrsmooth on hostile input: garbage bytes, huge lines and arguments, odd names and files that
// cannot be read. Each case ends with its own message and status, and the input file is
// byte-identical afterwards.
#include "hrsmooth_fixture.hpp"
#include "run_process.hpp"

#include <unistd.h>

#include <filesystem>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace {

using namespace std::string_literals;

const std::string header =
    crlf_lines({"[Params]", "Length=0:00:30.0", "Interval=5", "[Note]", "Easy ride", "[HRData]"});
const std::string samples = "100\r\n100\r\n100\r\n100\r\n100\r\n100\r\n100\r\n";

// The header as written with the note tagged with `mode`.
std::string tagged_header(int mode)
{
    return crlf_lines({"[Params]", "Length=0:00:30.0", "Interval=5", "[Note]",
                       "Filtered (mode " + std::to_string(mode) + "): Easy ride", "[HRData]"});
}

// Seven samples of 100 come out as 100 in every mode, followed by the line end after the last.
std::string smoothed(int mode) { return tagged_header(mode) + samples + "\r\n"; }

// Bytes of every value from a fixed seed; without Ctrl-Z unless `ctrl_z` is set.
std::string garbage(std::size_t size, bool ctrl_z)
{
    std::mt19937 rng(20261211);
    std::string bytes;
    while (bytes.size() < size) {
        const char c = static_cast<char>(rng() & 0xFF);
        if (ctrl_z || c != '\x1a')
            bytes += c;
    }
    return bytes;
}

// What the copy of `text` as lines looks like in the output: the input ends at a Ctrl-Z, CR LF
// and a bare LF are written as CR LF, and every other byte stays as it is.
std::string copied_as_lines(const std::string& text)
{
    const std::string held = text.substr(0, text.find('\x1a'));
    std::string out;
    for (std::size_t i = 0; i < held.size(); ++i) {
        if (held[i] == '\r' && i + 1 < held.size() && held[i + 1] == '\n')
            continue;  // the LF writes the pair
        out += held[i] == '\n' ? "\r\n"s : std::string(1, held[i]);
    }
    return out;
}

const std::string read_error = "Error reading input file\r\n";
const std::string hr_data_error = "Error reading HR data.\r\n";

// hrsmooth MODE IN OUT on arguments and names, with `input` written to IN first when given.
struct ArgumentCase {
    const char* name;
    std::string mode, in, out;
    std::optional<std::string> input;
    int status;
    std::string console;
    std::string output;  // the bytes of OUT afterwards, or "<none>"
};

class HrsmoothHostile : public HrsmoothRun {
protected:
    void check(const ArgumentCase& c)
    {
        SCOPED_TRACE(c.name);
        for (const auto& entry : std::filesystem::directory_iterator(dir.path))
            std::filesystem::remove_all(entry.path());
        if (c.input)
            write_file(dir.path / c.in, *c.input);
        const SmoothResult r = run({c.mode, c.in, c.out}, c.out);
        EXPECT_EQ(r.status, c.status);
        EXPECT_EQ(r.console, c.console);
        EXPECT_EQ(r.output, c.output);
        if (c.input) {
            EXPECT_TRUE(read_file(dir.path / c.in) == *c.input) << "the input changed";
        }
    }
};

// Hostile file contents, run as hrsmooth 3 in.hrm out.hrm.
TEST_F(HrsmoothRun, GarbageNulsAndHugeRunsOfBytes)
{
    const std::string nuls(1 << 16, '\0');
    const std::string noise = garbage(300'000, false);
    const std::string noise_with_ctrl_z = garbage(300'000, true);
    const std::string megabyte = std::string(1 << 20, ' ');
    const std::string high_note = "Pulsm\xc3\xa4tning \xff\x80";
    expect_runs("3", {
                         {"a file of NUL bytes is copied until it ends", nuls, 5, read_error, nuls},
                         {"NUL bytes where the samples stand", header + nuls, 9, hr_data_error,
                          tagged_header(3)},
                         {"binary garbage is copied line by line until it ends", noise, 5,
                          read_error, copied_as_lines(noise)},
                         {"binary garbage with Ctrl-Z bytes ends at the first", noise_with_ctrl_z,
                          5, read_error, copied_as_lines(noise_with_ctrl_z)},
                         {"binary garbage where the samples stand", header + "\xff" + noise, 9,
                          hr_data_error, tagged_header(3)},
                         {"binary garbage after the samples is copied", header + samples + noise, 0,
                          "", smoothed(3) + copied_as_lines(noise)},
                         {"bytes above 0x7F in the note are copied",
                          crlf_lines({"[Params]", "Length=0:00:30.0", "Interval=5", "[Note]",
                                      high_note, "[HRData]"}) +
                              samples,
                          0, "",
                          crlf_lines({"[Params]", "Length=0:00:30.0", "Interval=5", "[Note]",
                                      "Filtered (mode 3): " + high_note, "[HRData]"}) +
                              samples + "\r\n"},
                         {"a byte above 0x7F right after a sample",
                          header + "100\xb5\r\n" + samples, 9, hr_data_error, tagged_header(3)},
                         {"a sample of a megabyte of zeros before its digits",
                          header + std::string(1 << 20, '0') + "100\r\n" + samples.substr(5), 0, "",
                          smoothed(3)},
                         {"a sample of a megabyte of digits is too large",
                          header + std::string(1 << 20, '9') + "\r\n" + samples, 9, hr_data_error,
                          tagged_header(3)},
                         {"a megabyte of blanks between two samples",
                          header + "100" + megabyte + samples.substr(3), 0, "", smoothed(3)},
                         {"a megabyte line after the samples", header + samples + megabyte + "\r\n",
                          0, "", smoothed(3) + megabyte + "\r\n"},
                     });
}

// Samples glued into one run of number characters, "1+1+1...": each read takes one sample, and
// the run after it must not be looked through again, or the work grows with the square of the
// file (hours for these 2.5 MB).
TEST_F(HrsmoothRun, SamplesGluedIntoOneLongRun)
{
    const std::size_t count = 1'280'001;  // 10000 s at 1/128 s
    std::string glued = "1";
    for (std::size_t i = 1; i < count; ++i)
        glued += "+1";
    const SmoothResult r = smooth("0", hrm_file("Length=2:46:40.0", "Interval=0.0078125", {glued}));
    EXPECT_EQ(r.status, 0);
    std::string written;
    for (std::size_t i = 0; i < count; ++i)
        written += "1\r\n";
    EXPECT_TRUE(r.output == crlf_lines({"[Params]", "Length=2:46:40.0", "Interval=0.0078125",
                                        "[Note]", "Filtered (mode 0): Easy ride", "[HRData]"}) +
                                written + "\r\n");
}

TEST_F(HrsmoothHostile, EmptyHugeAndNonAsciiArguments)
{
    const std::string ride = header + samples;
    const std::string long_name(100'000, 'n');
    const std::string same = "Error: input and output files cannot be the same.\r\n";
    const std::string min_notice = "Min filter number is 0. Setting to min...\r\n";
    const ArgumentCase cases[] = {
        {"three empty arguments name the same file", "", "", "", std::nullopt, 2, same, "<none>"},
        {"a mode of 100 kB of zeros before its digit", std::string(100'000, '0') + "4", "in.hrm",
         "out.hrm", ride, 0, "", smoothed(4)},
        {"a mode of 100 kB of blanks before its digit", std::string(100'000, ' ') + "5", "in.hrm",
         "out.hrm", ride, 0, "", smoothed(5)},
        // 10^100000 - 1 is 2^32 - 1 modulo 2^32: -1 in 32 bits.
        {"a mode of 100 kB of nines wraps around to -1", std::string(100'000, '9'), "in.hrm",
         "out.hrm", ride, 0, min_notice, smoothed(0)},
        {"an input name of 100 kB", "3", long_name, "out.hrm", std::nullopt, 3,
         "Error: could not open " + long_name + ".\r\n", "<none>"},
        {"an output name of 100 kB", "3", "in.hrm", long_name, ride, 4,
         "Error: could not open " + long_name + ".\r\n", "<none>"},
        {"names with bytes above 0x7F", "3", "pr\xc3\xb6v-\xff.hrm", "ut-\x80\xfe.hrm", ride, 0, "",
         smoothed(3)},
        {"names that differ in a letter beyond ASCII name two files", "3", "\xc3\xa9.hrm",
         "\xc3\x89.hrm", ride, 0, "", smoothed(3)},
        {"a missing input named with bytes above 0x7F", "3", "\xff\xfe.hrm", "out.hrm",
         std::nullopt, 3, "Error: could not open \xff\xfe.hrm.\r\n", "<none>"},
    };
    for (const ArgumentCase& c : cases)
        check(c);

    // A fourth argument of 100 kB is ignored.
    write_file(dir.path / "in.hrm", ride);
    const SmoothResult r = run({"3", "in.hrm", "out.hrm", long_name});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.output, smoothed(3));
    EXPECT_EQ(read_file(dir.path / "in.hrm"), ride);
}

TEST_F(HrsmoothHostile, FilesThatCannotBeRead)
{
    const std::string ride = header + samples;
    std::filesystem::create_symlink("loop-b.hrm", dir.path / "loop-a.hrm");
    std::filesystem::create_symlink("loop-a.hrm", dir.path / "loop-b.hrm");
    SmoothResult r = run({"3", "loop-a.hrm", "out.hrm"});
    EXPECT_EQ(r.status, 3);
    EXPECT_EQ(r.console, "Error: could not open loop-a.hrm.\r\n");
    EXPECT_EQ(r.output, "<none>");

    // A file that opens but whose first read fails: nothing is held at address 0.
    if (std::filesystem::exists("/proc/self/mem")) {
        r = run({"3", "/proc/self/mem", "out.hrm"});
        EXPECT_EQ(r.status, 5);
        EXPECT_EQ(r.console, read_error);
        EXPECT_EQ(r.output, "");
    }

    // The output is refused before anything is written: the input keeps its bytes.
    write_file(dir.path / "in.hrm", ride);
    for (const char* output : {"no/such/folder/out.hrm", "/dev/full"}) {
        SCOPED_TRACE(output);
        r = run({"3", "in.hrm", output});
        EXPECT_NE(r.status, 0);
        EXPECT_EQ(read_file(dir.path / "in.hrm"), ride);
    }
}

// An input without read permission. Permission bits do not stop root, so as root the tool is run
// as the user nobody through setpriv, in a folder open to everyone.
TEST_F(HrsmoothHostile, InputWithoutReadPermission)
{
    const std::string ride = header + samples;
    write_file(dir.path / "in.hrm", ride);
    std::filesystem::permissions(dir.path / "in.hrm", std::filesystem::perms::owner_write);
    std::string program = HRSMOOTH_PATH;
    std::vector<std::string> args = {"3", "in.hrm", "out.hrm"};
    if (geteuid() == 0) {
        if (!std::filesystem::exists("/usr/bin/setpriv"))
            GTEST_SKIP() << "root reads any file, and there is no setpriv to run as nobody";
        std::filesystem::permissions(dir.path, std::filesystem::perms::all);
        program = "/usr/bin/setpriv";
        args.insert(args.begin(),
                    {"--reuid=65534", "--regid=65534", "--clear-groups", HRSMOOTH_PATH});
    }
    const ProcessResult p = run_process(program, args, dir.path.string());
    if (program != HRSMOOTH_PATH && (p.status == 126 || p.status == 127))
        GTEST_SKIP() << "nobody cannot run the tool from this folder: " << p.errors;
    EXPECT_EQ(p.status, 3);
    EXPECT_EQ(p.output, "Error: could not open in.hrm.\r\n");
    EXPECT_EQ(p.errors, "");
    EXPECT_FALSE(std::filesystem::exists(dir.path / "out.hrm"));
    std::filesystem::permissions(dir.path / "in.hrm", std::filesystem::perms::owner_all);
    EXPECT_EQ(read_file(dir.path / "in.hrm"), ride);
}

// A header that claims close to 2^31 samples asks for 32 GiB. Where that much cannot be had the
// run is refused for memory; where it can, the memory is never touched and the run ends at the
// first missing sample. Either way it ends at once, and nothing of the samples is written.
TEST_F(HrsmoothHostile, ClaimNearTheLargestCount)
{
    const SmoothResult r =
        smooth("3", hrm_file("Length=9:59:59.9", "Interval=0.00001677", {"1", "2"}));
    if (r.status == 8) {
        EXPECT_EQ(r.console, "Error: not enough memory.\r\n");
    } else {
        EXPECT_EQ(r.status, 9);
        EXPECT_EQ(r.console, hr_data_error);
    }
    EXPECT_EQ(r.output, crlf_lines({"[Params]", "Length=9:59:59.9", "Interval=0.00001677", "[Note]",
                                    "Filtered (mode 3): Easy ride", "[HRData]"}));
}

}  // namespace
