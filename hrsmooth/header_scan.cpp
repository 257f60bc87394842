#include "header_scan.hpp"

#include "ascii_case.hpp"
#include "crlf_output.hpp"
#include "number_text.hpp"

#include <algorithm>
#include <string>

namespace {

// The number in characters [from, from + size) of `line`, each field converted on its own.
double field(std::string_view line, std::size_t from, std::size_t size)
{
    if (from >= line.size())
        return 0.0;
    return text_to_double(line.substr(from, size));
}

struct ScanFlags {
    bool params = false;
    bool note = false;
    bool finished = false;
};

// The tests each work on one working copy of the line, shortened as they go: a key of N
// characters matches when the line begins with it, in any letter case.
void scan_line(SmoothRun& run, ScanFlags& flags, std::string_view line)
{
    std::string_view work = line;
    auto cut_matches = [&work](std::string_view key) {
        work = work.substr(0, std::min(work.size(), key.size()));
        return ascii_iequal(work, key);
    };
    if (!flags.params) {
        flags.params = cut_matches("[Params]");
    } else if (run.length == 0.0) {
        if (cut_matches("Length"))
            run.length = length_from_line(line);
    } else if (run.interval == 0.0) {
        if (cut_matches("Interval"))
            run.interval = interval_from_line(line);
    }
    if (!flags.note && cut_matches("[Note]")) {
        flags.note = true;
        write_bytes(run.output, "Filtered (mode " + std::to_string(run.mode) + "): ");
    }
    flags.finished = cut_matches("[HRData]");
}

}  // namespace

double length_from_line(std::string_view line)
{
    const double hours = field(line, 7, 1);
    const double minutes = field(line, 9, 2);
    const double seconds = field(line, 12, 4);
    return (hours * 60 + minutes) * 60 + seconds;
}

double interval_from_line(std::string_view line) { return field(line, 9, std::string_view::npos); }

int scan_header(SmoothRun& run)
{
    ScanFlags flags;
    char piece[line_piece_max];
    while (!flags.finished) {
        const std::size_t n = read_line_piece(run.input, piece);
        if (n == 0) {
            write_crlf(run.console, "Error reading input file\n");
            return status_input_read;
        }
        const std::string_view line(piece, n);
        write_text(run.output, line);
        scan_line(run, flags, line);
    }
    return status_ok;
}
