// The command line both calculators take: a distance, then a time (a pace or a total time).
#pragma once

#include "time_pieces.hpp"

#include <cstddef>
#include <cstdio>
#include <string>
#include <string_view>

// The two lines that follow each calculator's title line, then the empty line before its usage.
inline constexpr std::string_view banner_tail =
    "Free software, distributed under the MIT license.\n"
    "Report problems to the hrmtools maintainers.\n"
    "\n";

// Printed, with status 5, when a result is not a finite number.
inline constexpr std::string_view out_of_range_message = "Result is out of range\n";

// What the first two arguments gave, or the status of a refusal whose message is printed already.
struct RaceArguments {
    int status;  // 0 accepted; 1 usage, 2 or 3 distance, 4 time refused
    double miles;
    TimeArgument time;
};

// Checks the argument count (printing `usage_text(program name)` when fewer than two follow the
// name), reads the distance, then the time with its least length and most colons, in that order.
RaceArguments read_race_arguments(int argc, char** argv, std::FILE* console,
                                  std::string (*usage_text)(const std::string& program),
                                  std::size_t min_time_length, int max_colons);
