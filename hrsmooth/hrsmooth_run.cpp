#include "hrsmooth_run.hpp"

#include "ascii_case.hpp"
#include "crlf_output.hpp"
#include "filter_table.hpp"
#include "header_scan.hpp"
#include "run_state.hpp"
#include "sample_smoothing.hpp"

#include <filesystem>
#include <string>
#include <system_error>

namespace {

void print_usage(std::FILE* console, const char* program)
{
    write_crlf(console, "hrsmooth - smooth the heart-rate samples of an HRM file\n"
                        "Free software, distributed under the MIT license.\n"
                        "Report problems to the hrmtools maintainers.\n"
                        "\n"
                        "Usage: " +
                            std::string(program) +
                            " <filter mode #> infile outfile\n"
                            "Mode: 1 = 3 peak\n"
                            "Mode: 2 = 3 even\n"
                            "Mode: 3 = 5 peak\n"
                            "Mode: 4 = 5 even\n"
                            "Mode: 5 = 7 peak\n"
                            "Mode: 6 = 7 soft peak\n"
                            "Mode: 7 = 7 even\n");
}

// The mode from its text, brought into the rows of the filter table with a notice.
std::int32_t settle_mode(std::FILE* console, const char* text)
{
    const std::int32_t mode = parse_mode(text);
    if (mode > filter_mode_max) {
        write_crlf(console, "Max filter number is " + std::to_string(filter_mode_max) +
                                ". Setting to max...\n");
        return filter_mode_max;
    }
    if (mode < 0) {
        write_crlf(console, "Min filter number is 0. Setting to min...\n");
        return 0;
    }
    return mode;
}

// True when both names lead to one existing file, however they are spelled.
bool same_existing_file(const char* input, const char* output)
{
    std::error_code ec;
    return std::filesystem::equivalent(input, output, ec) && !ec;
}

// Frees the samples, closes both files and settles the status: a run that would succeed but could
// not write its output fails.
int clean_up(SmoothRun& run, int status)
{
    run.samples.reset();
    close_text_input(run.input);
    const bool written = close_file_output(run.output);
    if (status == status_ok && !written) {
        write_crlf(run.console, "Error writing output file.\n");
        return status_output_write;
    }
    return status;
}

}  // namespace

std::int32_t parse_mode(const char* text)
{
    const char* p = text;
    while (*p == ' ' || *p == '\t' || *p == '\n' || *p == '\v' || *p == '\f' || *p == '\r')
        ++p;
    const bool negative = *p == '-';
    if (*p == '+' || *p == '-')
        ++p;
    std::uint32_t value = 0;
    for (; *p >= '0' && *p <= '9'; ++p)
        value = value * 10U + static_cast<std::uint32_t>(*p - '0');
    if (negative)
        value = 0U - value;
    return static_cast<std::int32_t>(value);
}

int run_hrsmooth(int argc, char** argv, std::FILE* console)
{
    if (argc < 4) {
        print_usage(console, argc > 0 ? argv[0] : "hrsmooth");
        return status_usage;
    }
    SmoothRun run;
    run.console = console;
    run.mode = settle_mode(console, argv[1]);
    const char* input = argv[2];
    const char* output = argv[3];
    if (ascii_iequal(input, output)) {
        write_crlf(console, "Error: input and output files cannot be the same.\n");
        return status_same_file;
    }
    if (!open_text_input(run.input, input)) {
        write_crlf(console, "Error: could not open " + std::string(input) + ".\n");
        return status_input_open;
    }
    if (same_existing_file(input, output)) {
        write_crlf(console, "Error: input and output files cannot be the same.\n");
        close_text_input(run.input);
        return status_same_file;
    }
    if (!open_file_output(run.output, output)) {
        write_crlf(console, "Error: could not open " + std::string(output) + ".\n");
        close_text_input(run.input);
        return status_output_open;
    }
    int status = scan_header(run);
    if (status == status_ok)
        status = smooth_samples(run);
    return clean_up(run, status);
}
