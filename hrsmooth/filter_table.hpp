// The seven-point weights of each filter mode.
#pragma once

#include <array>

// Index 0 to 6 holds the weight of the sample 3 places before the smoothed one up to the weight of
// the sample 3 places after it.
using FilterRow = std::array<double, 7>;

constexpr int filter_mode_max = 7;

const FilterRow& filter_row(int mode);  // mode 0 to filter_mode_max
