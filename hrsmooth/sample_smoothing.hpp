// The samples after "[HRData]": counted from the header values, read, smoothed with the mode's
// row of the filter table, written back as whole numbers, followed by the rest of the file.
#pragma once

#include "filter_table.hpp"
#include "run_state.hpp"

#include <cstddef>
#include <cstdint>

// Smooths and writes the samples and copies the rest of the input. Returns status_ok, or
// status_times, status_too_few, status_memory, status_hr_data or status_input_read after printing
// the message.
int smooth_samples(SmoothRun& run);

// The number of samples that `length` seconds at `interval` seconds hold (both non-zero): 0 when
// their quotient is not a number or too large to count, and 6 for every count below 7.
std::int32_t sample_count(double length, double interval);

// Weighted sums of the seven samples `x` around each interior one, into `y`; the three first and
// last samples are copied. `count` is at least 7.
void apply_filter(const FilterRow& w, const double* x, double* y, std::size_t count);
