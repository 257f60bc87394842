// finishcalc: the finish time of a race run at a given pace per mile.
#pragma once

#include <cstdio>

// Runs the tool on its command line, printing on `console`; returns the exit status:
// 0 finish time printed, 1 usage printed (fewer than two arguments), 2 unrecognized distance,
// 3 distance zero or negative, 4 pace too short or with too many colons, 5 result out of range.
int run_finishcalc(int argc, char** argv, std::FILE* console);
