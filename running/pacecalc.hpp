// pacecalc: the average pace per mile of a race run in a given time.
#pragma once

#include <cstdio>

// Runs the tool on its command line, printing on `console`; returns the exit status:
// 0 pace printed, 1 usage printed (fewer than two arguments), 2 unrecognized distance,
// 3 distance zero or negative, 4 time too short or with too many colons, 5 result out of range.
int run_pacecalc(int argc, char** argv, std::FILE* console);
