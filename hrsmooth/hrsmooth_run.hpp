// The whole hrsmooth run: hrsmooth MODE IN OUT.
#pragma once

#include <cstdint>
#include <cstdio>

// Checks the arguments, smooths IN into OUT and returns the exit status. Messages go to `console`.
int run_hrsmooth(int argc, char** argv, std::FILE* console);

// The filter mode text read as a whole number: blanks skipped, optional sign, digits; no digits
// gives 0, and the value wraps around in 32 bits.
std::int32_t parse_mode(const char* text);
