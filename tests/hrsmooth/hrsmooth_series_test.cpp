// Long sample series through the whole tool, against the smoothing computed here from the same
// values: numbers cut by the read blocks, stretches of the writer, and samples that are no longer
// whole numbers below 256 showing up first, halfway or last.
#include "filter_table.hpp"
#include "hrsmooth_fixture.hpp"
#include "sample_lines.hpp"
#include "sample_smoothing.hpp"

#include <cstdio>
#include <string>
#include <vector>

namespace {

// Heart rates as a random walk between 40 and 220.
std::vector<double> walk(std::size_t count)
{
    std::vector<double> values;
    std::uint32_t state = 12345;
    int hr = 120;
    for (std::size_t i = 0; i < count; ++i) {
        state = state * 1103515245u + 12345u;
        const int step = static_cast<int>(state >> 16) % 7 - 3;
        hr = hr + step < 40 || hr + step > 220 ? hr - step : hr + step;
        values.push_back(hr);
    }
    return values;
}

// A header whose length and interval make exactly `count` samples.
std::string header_for(std::size_t count)
{
    char interval[64];
    const double seconds = 7200.0 / (static_cast<double>(count) - 0.5);
    std::snprintf(interval, sizeof interval, "Interval=%.17g", seconds);
    return crlf_lines({"[Params]", "Length=2:00:00.0", interval, "[Note]", "Series", "[HRData]"});
}

std::string expected_lines(const std::vector<double>& samples, int mode)
{
    std::vector<double> smoothed(samples.size());
    apply_filter(filter_row(mode), samples.data(), smoothed.data(), samples.size());
    std::string text;
    char line[sample_line_max];
    for (double v : smoothed)
        text.append(line, format_sample_line(v, line));
    return text;
}

TEST_F(HrsmoothRun, LongSeriesMatchTheSmoothingOfTheirValues)
{
    const struct Case {
        std::size_t count;
        std::size_t odd_at;  // where `odd` replaces the walk; count: nowhere
        const char* odd;
        int mode;
    } cases[] = {
        {7, 7, "", 3},          {2054, 2054, "", 7},      // 2048 interior samples
        {4103, 4103, "", 5},    {100000, 100000, "", 3},  // several read blocks
        {100000, 0, "300", 3},  {100000, 50000, "97.5", 6}, {100000, 99999, "-4", 2},
        {4103, 2051, "1e3", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.count) + " samples, odd one at " + std::to_string(c.odd_at));
        std::vector<double> samples = walk(c.count);
        std::string input = header_for(c.count);
        for (std::size_t i = 0; i < c.count; ++i) {
            std::string text = std::to_string(static_cast<int>(samples[i]));
            if (i == c.odd_at) {
                text = c.odd;
                samples[i] = std::stod(text);
            }
            input += text + (i % 5 == 0 ? "\r\n" : "\n");
        }
        const SmoothResult r = smooth(std::to_string(c.mode), input);
        EXPECT_EQ(r.status, 0);
        const std::size_t data = r.output.find("[HRData]\r\n") + 10;
        EXPECT_TRUE(r.output.substr(data) == expected_lines(samples, c.mode) + "\r\n");
    }
}

}  // namespace
