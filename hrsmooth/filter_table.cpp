#include "filter_table.hpp"

namespace {

// Every row sums to 1; the three- and five-point modes have zeros at their ends.
constexpr FilterRow filter_table[filter_mode_max + 1] = {
    {0, 0, 0, 1, 0, 0, 0},                              // 0: pass-through
    {0, 0, 0.25, 0.5, 0.25, 0, 0},                      // 1: 3 peak
    {0, 0, 0.33333, 0.33334, 0.33333, 0, 0},            // 2: 3 even
    {0, 0.1, 0.2, 0.4, 0.2, 0.1, 0},                    // 3: 5 peak
    {0, 0.2, 0.2, 0.2, 0.2, 0.2, 0},                    // 4: 5 even
    {0.05, 0.1, 0.2, 0.3, 0.2, 0.1, 0.05},              // 5: 7 peak
    {0.1, 0.1, 0.2, 0.2, 0.2, 0.1, 0.1},                // 6: 7 soft peak
    {0.142, 0.142, 0.142, 0.148, 0.142, 0.142, 0.142},  // 7: 7 even
};

}  // namespace

const FilterRow& filter_row(int mode) { return filter_table[mode]; }
