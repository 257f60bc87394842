// Micro-benchmarks of the number reading and the whole-number lines hrsmooth writes.
#include "number_text.hpp"
#include "sample_smoothing.hpp"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

// read_number_text on one form of number text, over and over.
void read_number(benchmark::State& state, const std::string& text, ExponentLetters letters)
{
    const char* first = text.data();
    const char* last = first + text.size();
    for (auto _ : state) {
        benchmark::DoNotOptimize(first);
        NumberText n = read_number_text(first, last, letters);
        benchmark::DoNotOptimize(n);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

BENCHMARK_CAPTURE(read_number, heart_rate, std::string("142\n"), ExponentLetters::e_only);
BENCHMARK_CAPTURE(read_number, blanks_and_sign, std::string("  -73\r\n"), ExponentLetters::e_only);
BENCHMARK_CAPTURE(read_number, fraction, std::string("71.25\n"), ExponentLetters::e_only);
BENCHMARK_CAPTURE(read_number, exponent, std::string("1.5e3\n"), ExponentLetters::e_only);
BENCHMARK_CAPTURE(read_number, d_exponent, std::string("2.5D-2 k"), ExponentLetters::e_and_d);
BENCHMARK_CAPTURE(read_number, twenty_digits, std::string("12345678901234567890\n"),
                  ExponentLetters::e_only);

// The sample lines: whole numbers as heart rates have them, and a few far larger ones.
void format_lines(benchmark::State& state, std::vector<double> values)
{
    char line[sample_line_max];
    std::size_t i = 0;
    for (auto _ : state) {
        char* end = format_sample_line(values[i], line);
        benchmark::DoNotOptimize(end);
        benchmark::ClobberMemory();
        i = i + 1 == values.size() ? 0 : i + 1;
    }
    state.SetItemsProcessed(state.iterations());
}

BENCHMARK_CAPTURE(format_lines, heart_rates, std::vector<double>{62.3, 99.5, 100.4, 141.7, 187.2});
BENCHMARK_CAPTURE(format_lines, large, std::vector<double>{-4294967296.5, 9.1e18, 1e19, 1e300});

}  // namespace

BENCHMARK_MAIN();
