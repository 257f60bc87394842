#include "tool_runs.hpp"

#include "run_process.hpp"

#include <gtest/gtest.h>

void check_tool_runs(const std::string& program, const std::vector<ToolCase>& cases)
{
    for (const ToolCase& c : cases) {
        std::string shown;
        for (const std::string& a : c.args)
            shown += " [" + a.substr(0, 40) + (a.size() > 40 ? "...]" : "]");
        SCOPED_TRACE(program + shown);
        const ProcessResult r = run_process(program, c.args);
        EXPECT_EQ(r.status, c.status);
        EXPECT_EQ(r.output, c.output);
        EXPECT_EQ(r.errors, "");
    }
}
