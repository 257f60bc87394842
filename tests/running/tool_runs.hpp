// Tables of calculator runs: arguments, then the exit status and the exact console bytes.
#pragma once

#include <string>
#include <vector>

struct ToolCase {
    std::vector<std::string> args;
    int status;
    std::string output;  // exact bytes, CR LF line ends
};

// Runs `program` on each case's arguments and checks status, output and an empty standard error.
void check_tool_runs(const std::string& program, const std::vector<ToolCase>& cases);
