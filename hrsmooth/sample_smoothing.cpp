#include "sample_smoothing.hpp"

#include "crlf_output.hpp"
#include "sample_reader.hpp"

#include <charconv>
#include <cmath>
#include <new>

namespace {

constexpr double count_limit = 2147483647.0;

bool read_samples(TextInput& in, double* samples, std::size_t count)
{
    for (std::size_t i = 0; i < count; ++i)
        if (!read_sample(in, samples[i]))
            return false;
    return true;
}

bool all_finite(const double* values, std::size_t count)
{
    for (std::size_t i = 0; i < count; ++i)
        if (!std::isfinite(values[i]))
            return false;
    return true;
}

void write_sample_lines(FileOutput& out, const double* values, std::size_t count)
{
    for (std::size_t i = 0; i < count; ++i) {
        char* to = reserve_output(out, sample_line_max);
        out.used += static_cast<std::size_t>(format_sample_line(values[i], to) - to);
    }
}

// Copies what follows the samples, with its line ends written as CR LF. False on a read error.
bool copy_rest(TextInput& in, FileOutput& out)
{
    char piece[line_piece_max];
    while (std::size_t n = read_line_piece(in, piece))
        write_text(out, std::string_view(piece, n));
    return !in.read_error;
}

int fail(SmoothRun& run, const char* message, int status)
{
    write_crlf(run.console, message);
    return status;
}

}  // namespace

std::int32_t sample_count(double length, double interval)
{
    const double q = length / interval;
    if (std::isnan(q) || q >= count_limit)
        return 0;
    if (q < 6.0)
        return 6;  // any count below 7 is refused alike
    return static_cast<std::int32_t>(q) + 1;
}

void apply_filter(const FilterRow& w, const double* x, double* y, std::size_t count)
{
    for (std::size_t i = 0; i < 3; ++i) {
        y[i] = x[i];
        y[count - 1 - i] = x[count - 1 - i];
    }
    // The order of the terms decides how values halfway between two integers come out.
    for (std::size_t i = 3; i + 3 < count; ++i) {
        double sum = w[6] * x[i + 3] + w[0] * x[i - 3];
        sum += w[2] * x[i - 1];
        sum += w[5] * x[i + 2];
        sum += w[1] * x[i - 2];
        sum += w[4] * x[i + 1];
        sum += w[3] * x[i];
        y[i] = sum;
    }
}

char* format_sample_line(double value, char* to)
{
    const double whole = std::trunc(value + 0.5);
    if (std::fabs(whole) < 9.2e18) {
        to = std::to_chars(to, to + 20, static_cast<std::int64_t>(whole)).ptr;
    } else {
        // Exact for a whole number of any size.
        to = std::to_chars(to, to + sample_line_max - 2, whole, std::chars_format::fixed, 0).ptr;
    }
    *to++ = '\r';
    *to++ = '\n';
    return to;
}

int smooth_samples(SmoothRun& run)
{
    if (run.interval == 0.0 || run.length == 0.0)
        return fail(run, "Error reading exercise/interval times.\n", status_times);
    const std::int32_t counted = sample_count(run.length, run.interval);
    if (counted == 0)
        return fail(run, "Error: not enough memory.\n", status_memory);
    if (counted < 7)
        return fail(run, "Error: too few data points.\n", status_too_few);
    const auto count = static_cast<std::size_t>(counted);
    // Left uninitialised: pages are touched only as samples arrive.
    run.samples.reset(new (std::nothrow) double[2 * count]);
    if (!run.samples)
        return fail(run, "Error: not enough memory.\n", status_memory);
    double* const samples = run.samples.get();
    double* const smoothed = samples + count;
    if (!read_samples(run.input, samples, count))
        return fail(run, "Error reading HR data.\n", status_hr_data);
    apply_filter(filter_row(run.mode), samples, smoothed, count);
    if (!all_finite(smoothed, count))
        return fail(run, "Error reading HR data.\n", status_hr_data);
    write_sample_lines(run.output, smoothed, count);
    if (!copy_rest(run.input, run.output))
        return fail(run, "Error reading input file\n", status_input_read);
    return status_ok;
}
