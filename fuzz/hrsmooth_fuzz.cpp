// Fuzz target: a whole hrsmooth run, in-process, on arbitrary file bytes and modes.
//
// Input layout:
//   byte 0        how the output is named: 0 "./in.hrm" in the same folder, 1 a symbolic link to
//                 the input, 2 a hard link to it; anything else a separate "out.hrm";
//   bytes 1 ...   the mode text, up to the first '\n' if one comes within 16 bytes (else "3");
//   the rest      the input file's bytes.
// Checks: the run returns one of the tool's statuses, and the input file is byte-identical
// afterwards. Crashes, leaks and undefined behaviour are caught by the sanitizers.
#include "hrsmooth_run.hpp"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>
#include <vector>

// A header may claim up to 2^31 samples over a tiny file. The tool only reserves that memory and
// touches none of it, but AddressSanitizer would poison the shadow of the whole block when it is
// freed, which costs seconds and gigabytes per input. Larger blocks are refused instead, and the
// run takes its "not enough memory" path.
extern "C" const char* __asan_default_options()  // NOLINT(bugprone-reserved-identifier)
{
    return "allocator_may_return_null=1:max_allocation_size_mb=256";
}

namespace {

struct Workspace {
    std::filesystem::path dir;
    std::string input;
    std::FILE* console = nullptr;
};

[[noreturn]] void fail(const char* what)
{
    std::fprintf(stderr, "hrsmooth_fuzz: %s\n", what);
    std::abort();
}

// One folder for the whole fuzzing session, with the input, a symbolic and a hard link to it. It
// is never destroyed, so the clean-up at exit still finds it.
const Workspace& workspace()
{
    static const Workspace& ws = *[] {
        auto* w_ptr = new Workspace;
        Workspace& w = *w_ptr;
        std::string pattern =
            (std::filesystem::temp_directory_path() / "hrsmooth-fuzz-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr)
            fail("cannot make a temporary folder");
        w.dir = pattern;
        w.input = (w.dir / "in.hrm").string();
        std::ofstream(w.input, std::ios::binary).put('\n');
        std::filesystem::create_symlink("in.hrm", w.dir / "link.hrm");
        std::filesystem::create_hard_link(w.input, w.dir / "hard.hrm");
        w.console = std::fopen("/dev/null", "w");
        if (w.console == nullptr)
            fail("cannot open /dev/null");
        std::atexit([] {
            std::error_code ignored;
            std::filesystem::remove_all(workspace().dir, ignored);
        });
        return w_ptr;
    }();
    return ws;
}

// Rewrites the input in place, so that the hard link keeps naming it.
void write_input(const std::string& name, const std::uint8_t* data, std::size_t size)
{
    std::FILE* file = std::fopen(name.c_str(), "wb");
    if (file == nullptr || std::fwrite(data, 1, size, file) != size || std::fclose(file) != 0)
        fail("cannot write the input");
}

std::string read_back(const std::string& name)
{
    std::ifstream in(name, std::ios::binary);
    if (!in)
        fail("the input is gone");
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const Workspace& ws = workspace();
    if (size == 0)
        return 0;
    std::string output;
    switch (data[0]) {
    case 0:
        output = (ws.dir / "." / "in.hrm").string();
        break;
    case 1:
        output = (ws.dir / "link.hrm").string();
        break;
    case 2:
        output = (ws.dir / "hard.hrm").string();
        break;
    default:
        output = (ws.dir / "out.hrm").string();
        break;
    }
    std::size_t at = 1;
    std::string mode = "3";
    for (std::size_t i = 1; i < size && i <= 16; ++i) {
        if (data[i] == '\n') {
            mode.assign(reinterpret_cast<const char*>(data) + 1, i - 1);
            at = i + 1;
            break;
        }
    }
    write_input(ws.input, data + at, size - at);

    std::string program = "hrsmooth";
    std::string input = ws.input;
    std::vector<char*> argv = {program.data(), mode.data(), input.data(), output.data(), nullptr};
    const int status = run_hrsmooth(4, argv.data(), ws.console);
    if (status < 0 || status > 10)
        fail("unknown exit status");

    const std::string after = read_back(ws.input);
    if (after.size() != size - at ||
        !std::equal(after.begin(), after.end(), reinterpret_cast<const char*>(data) + at))
        fail("the input file changed");
    return 0;
}
