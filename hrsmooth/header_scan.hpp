// Copies the header of the HRM file, line by line, up to and including "[HRData]", while it takes
// the exercise length and the sample interval from "[Params]" and tags the note with the mode.
#pragma once

#include "run_state.hpp"

#include <string_view>

// Returns status_ok with the input at the first sample, or status_input_read when the input
// ended first (the message is printed).
int scan_header(SmoothRun& run);

// The exercise length in seconds from a "Length" line laid out as "Length=H:MM:SS.S": hours from
// position 7, minutes from 9 and 10, seconds from 12 to 15; a field past the end of the line is 0.
double length_from_line(std::string_view line);

// The sample interval in seconds from an "Interval" line: the number from position 9 on.
double interval_from_line(std::string_view line);
