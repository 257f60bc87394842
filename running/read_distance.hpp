// Reading the race distance, the first argument of both running calculators.
//
// Accepted forms:
// - one character: a digit is a number of miles; h or H is the half marathon (13.109375 miles),
//   m or M the marathon (26.21875 miles); any other single character is refused with status 2;
// - any other length: the number at the start of the text (leading white space skipped, anything
//   after the number ignored, no number at all reads as 0), in kilometres when the very last
//   character of the text is k or K (multiplied by 0.6213688756330196 miles per kilometre).
// A distance that is not greater than zero is refused with status 3.
#pragma once

#include <string_view>

struct DistanceResult {
    double miles;              // greater than zero when status is 0
    int status;                // 0 accepted, 2 unrecognized, 3 zero or negative
    std::string_view message;  // what to print on refusal, empty when accepted
};

DistanceResult read_distance(const char* text);
