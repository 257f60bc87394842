// The sample lines of the smoothed file: each smoothed value as a whole number, then CR LF.
#pragma once

#include "file_output.hpp"

#include <cstddef>

// The longest sample line: the digits of the largest double, a sign and CR LF, with room to spare.
constexpr std::size_t sample_line_max = 320;

// Puts the text of trunc(value + 0.5) followed by CR LF at `to`, which must have room for
// sample_line_max bytes (bytes past the line may be overwritten). Returns the end of the line.
char* format_sample_line(double value, char* to);

// Writes one sample line for each value.
void write_sample_lines(FileOutput& out, const double* values, std::size_t count);
