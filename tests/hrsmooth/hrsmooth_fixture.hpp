// Runs the built hrsmooth on an input given as bytes, in a fresh folder, and collects the
// status, the console bytes and the output file's bytes.
#pragma once

#include "temp_dir.hpp"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

struct SmoothResult {
    int status;
    std::string console;
    std::string output;  // the output file's bytes, or "<none>" when it was not created
};

// The lines joined, each ended by CR LF.
std::string crlf_lines(std::initializer_list<std::string> lines);

// A header with the given length and interval lines, the note "Easy ride", then the samples,
// each line ended by CR LF.
std::string hrm_file(const std::string& length_line, const std::string& interval_line,
                     std::initializer_list<std::string> samples);

// One run of a table: the input file's bytes, then what the run must give.
struct SmoothCase {
    const char* name;
    std::string input;
    int status;
    std::string console;
    std::string output;  // the output file's bytes
};

class HrsmoothRun : public ::testing::Test {
protected:
    void SetUp() override { dir = make_temp_dir(); }
    void TearDown() override { remove_temp_dir(dir); }

    // hrsmooth MODE in.hrm out.hrm, run in the test's folder; in.hrm must be unchanged afterwards.
    SmoothResult smooth(const std::string& mode, const std::string& input);
    // smooth(mode, input) for every case, checking status, console and output bytes.
    void expect_runs(const std::string& mode, const std::vector<SmoothCase>& cases);
    // hrsmooth with the given arguments, run in the test's folder.
    SmoothResult run(const std::vector<std::string>& args,
                     const std::string& output_name = "out.hrm");

    TempDir dir;
};
