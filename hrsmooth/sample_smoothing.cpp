#include "sample_smoothing.hpp"

#include "crlf_output.hpp"
#include "sample_lines.hpp"
#include "sample_reader.hpp"
#include "sample_store.hpp"

#include <algorithm>
#include <cmath>
#include <new>

namespace {

constexpr double count_limit = 2147483647.0;

bool all_finite(const double* values, std::size_t count)
{
    for (std::size_t i = 0; i < count; ++i)
        if (!std::isfinite(values[i]))
            return false;
    return true;
}

// The smoothed value of one sample x from the seven samples around it, m3 the one 3 places
// before it to p3 the one 3 places after. The order of the terms decides how values halfway
// between two integers come out.
double weighted_sum(const FilterRow& w, double m3, double m2, double m1, double x, double p1,
                    double p2, double p3)
{
    double sum = w[6] * p3 + w[0] * m3;
    sum += w[2] * m1;
    sum += w[5] * p2;
    sum += w[1] * m2;
    sum += w[4] * p1;
    sum += w[3] * x;
    return sum;
}

// The smoothed values around x[3] to x[n + 2]: y[k] from x[k] to x[k + 6].
void smooth_interior(const FilterRow& w, const double* x, double* y, std::size_t n)
{
    for (std::size_t k = 0; k < n; ++k)
        y[k] = weighted_sum(w, x[k], x[k + 1], x[k + 2], x[k + 3], x[k + 4], x[k + 5], x[k + 6]);
}

// The compact samples `first` to first + n - 1, as doubles.
void unpack_samples(const SampleStore& store, std::size_t first, std::size_t n, double* x)
{
    for (std::size_t k = 0; k < n; ++k)
        x[k] = compact_sample(store, first + k);
}

// Smooths compact samples a stretch at a time and writes each stretch as soon as it is computed:
// the samples are small whole numbers, so every smoothed value is finite and nothing can fail
// once writing has begun. Only the samples themselves are kept in the buffer.
void write_compact_smoothed(FileOutput& out, const FilterRow& w, const SampleStore& store)
{
    constexpr std::size_t stretch = 2048;
    double x[stretch + 6];
    double y[stretch];
    const std::size_t count = store.count;
    unpack_samples(store, 0, 3, y);
    write_sample_lines(out, y, 3);
    for (std::size_t first = 3; first + 3 < count; first += stretch) {
        const std::size_t n = std::min(stretch, count - 3 - first);
        unpack_samples(store, first - 3, n + 6, x);
        smooth_interior(w, x, y, n);
        write_sample_lines(out, y, n);
    }
    unpack_samples(store, count - 3, 3, y);
    write_sample_lines(out, y, 3);
}

// Smooths the samples into the second half of the buffer, then writes them all; false, with
// nothing written, when a smoothed value is not finite.
bool write_wide_smoothed(FileOutput& out, const FilterRow& w, const SampleStore& store)
{
    double* const smoothed = store.values + store.count;
    apply_filter(w, store.values, smoothed, store.count);
    if (!all_finite(smoothed, store.count))
        return false;
    write_sample_lines(out, smoothed, store.count);
    return true;
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
    smooth_interior(w, x, y + 3, count - 6);
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
    SampleStore store{run.samples.get(), count};
    if (!read_samples(run.input, store))
        return fail(run, "Error reading HR data.\n", status_hr_data);
    const FilterRow& w = filter_row(run.mode);
    if (!store.wide)
        write_compact_smoothed(run.output, w, store);
    else if (!write_wide_smoothed(run.output, w, store))
        return fail(run, "Error reading HR data.\n", status_hr_data);
    if (!copy_rest(run.input, run.output))
        return fail(run, "Error reading input file\n", status_input_read);
    return status_ok;
}
