// Fuzz target: whole finishcalc and pacecalc runs, in-process, on arbitrary arguments.
//
// Input: byte 0 chooses the tool (bit 0: 0 finishcalc, 1 pacecalc) and how many arguments follow
// the program name (bits 1-2: 0 to 3); the rest is the arguments, separated by NUL bytes. Each
// argument is a separate heap copy of exactly its bytes and its terminator, since the tools cut
// their time argument in place.
// Checks: the run returns one of the tools' statuses (0 to 5), and the usage status 1 exactly
// when fewer than two arguments are given. Crashes and undefined behaviour are caught by the
// sanitizers.
#include "finishcalc.hpp"
#include "pacecalc.hpp"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

namespace {

[[noreturn]] void fail(const char* what)
{
    std::fprintf(stderr, "calculators_fuzz: %s\n", what);
    std::abort();
}

std::FILE* console()
{
    static std::FILE* const null = std::fopen("/dev/null", "w");
    if (null == nullptr)
        fail("cannot open /dev/null");
    return null;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const bool pace = (data[0] & 1) != 0;
    const int given = (data[0] >> 1) & 3;
    std::vector<std::unique_ptr<char[]>> words;
    const char* program = pace ? "pacecalc" : "finishcalc";
    words.push_back(std::make_unique<char[]>(std::strlen(program) + 1));
    std::memcpy(words.back().get(), program, std::strlen(program) + 1);
    const char* p = reinterpret_cast<const char*>(data) + 1;
    const char* const end = reinterpret_cast<const char*>(data) + size;
    for (int i = 0; i < given; ++i) {
        const char* stop =
            static_cast<const char*>(std::memchr(p, '\0', static_cast<std::size_t>(end - p)));
        if (stop == nullptr)
            stop = end;
        const auto n = static_cast<std::size_t>(stop - p);
        words.push_back(std::make_unique<char[]>(n + 1));
        std::memcpy(words.back().get(), p, n);
        words.back()[n] = '\0';
        p = stop == end ? end : stop + 1;
    }
    std::vector<char*> argv;
    argv.reserve(words.size() + 1);
    for (const auto& w : words)
        argv.push_back(w.get());
    argv.push_back(nullptr);
    const int argc = static_cast<int>(words.size());
    const int status = pace ? run_pacecalc(argc, argv.data(), console())
                            : run_finishcalc(argc, argv.data(), console());
    if (status < 0 || status > 5)
        fail("unknown exit status");
    if ((status == 1) != (argc < 3))
        fail("usage status without a missing argument, or none with one");
    return 0;
}
