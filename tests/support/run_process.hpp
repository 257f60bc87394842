// Running a built tool as a child process and capturing what it prints.
#pragma once

#include <string>
#include <vector>

struct ProcessResult {
    int status;          // exit status, or 128 + signal number when killed by a signal
    std::string output;  // everything written to standard output
    std::string errors;  // everything written to standard error
};

// Runs `program` with `args` (argument 0 is `program` unless `argv0` is given), in directory `cwd`
// when it is not empty.
ProcessResult run_process(const std::string& program, const std::vector<std::string>& args,
                          const std::string& cwd = {}, const std::string* argv0 = nullptr);
