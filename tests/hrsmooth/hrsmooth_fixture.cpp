#include "hrsmooth_fixture.hpp"

#include "run_process.hpp"

#include <filesystem>

std::string crlf_lines(std::initializer_list<std::string> lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

std::string hrm_file(const std::string& length_line, const std::string& interval_line,
                     std::initializer_list<std::string> samples)
{
    std::string text =
        crlf_lines({"[Params]", length_line, interval_line, "[Note]", "Easy ride", "[HRData]"});
    for (const std::string& s : samples)
        text += s + "\r\n";
    return text;
}

SmoothResult HrsmoothRun::run(const std::vector<std::string>& args, const std::string& output_name)
{
    const ProcessResult p = run_process(HRSMOOTH_PATH, args, dir.path.string());
    EXPECT_EQ(p.errors, "") << "nothing goes to standard error";
    const std::filesystem::path out = dir.path / output_name;
    std::error_code ec;  // a name too long for the system is no file either
    return SmoothResult{p.status, p.output,
                        std::filesystem::is_regular_file(out, ec) ? read_file(out) : "<none>"};
}

SmoothResult HrsmoothRun::smooth(const std::string& mode, const std::string& input)
{
    write_file(dir.path / "in.hrm", input);
    SmoothResult result = run({mode, "in.hrm", "out.hrm"});
    EXPECT_EQ(read_file(dir.path / "in.hrm"), input) << "the input is never changed";
    return result;
}

void HrsmoothRun::expect_runs(const std::string& mode, const std::vector<SmoothCase>& cases)
{
    for (const SmoothCase& c : cases) {
        SCOPED_TRACE(c.name);
        const SmoothResult r = smooth(mode, c.input);
        EXPECT_EQ(r.status, c.status);
        EXPECT_EQ(r.console, c.console);
        // Compared as a whole; a mismatch reports sizes rather than megabytes of bytes.
        EXPECT_TRUE(r.output == c.output) << "the output differs; " << r.output.size()
                                          << " bytes where " << c.output.size() << " are due";
    }
}
