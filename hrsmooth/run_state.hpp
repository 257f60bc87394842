// The state of one hrsmooth run, shared by the header scan and the sample smoothing.
#pragma once

#include "file_output.hpp"
#include "text_input.hpp"

#include <cstdint>
#include <cstdio>
#include <memory>

struct SmoothRun {
    std::int32_t mode = 0;              // row of the filter table, 0 to 7
    TextInput input;                    // the HRM file being read
    FileOutput output;                  // the smoothed copy being written
    double length = 0.0;                // exercise length in seconds, from "Length"
    double interval = 0.0;              // sample interval in seconds, from "Interval"
    std::unique_ptr<double[]> samples;  // 2 x count: the samples as read, then smoothed
    std::FILE* console = nullptr;       // where messages go
};

// Exit statuses of hrsmooth.
enum HrsmoothStatus : int {
    status_ok = 0,
    status_usage = 1,
    status_same_file = 2,
    status_input_open = 3,
    status_output_open = 4,
    status_input_read = 5,
    status_times = 6,
    status_too_few = 7,
    status_memory = 8,
    status_hr_data = 9,
    status_output_write = 10,
};
