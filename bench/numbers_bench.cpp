// Micro-benchmarks of the number reading (read_number_text, hrsmooth's sample reader), of the
// whole-number lines hrsmooth writes, and of the calculators' fixed-point printer.
#include "number_printer.hpp"
#include "number_text.hpp"
#include "sample_lines.hpp"
#include "sample_reader.hpp"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
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
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}

BENCHMARK_CAPTURE(read_number, heart_rate, std::string("142\n"), ExponentLetters::e_only);
BENCHMARK_CAPTURE(read_number, blanks_and_sign, std::string("  -73\r\n"), ExponentLetters::e_only);
BENCHMARK_CAPTURE(read_number, fraction, std::string("71.25\n"), ExponentLetters::e_only);
BENCHMARK_CAPTURE(read_number, exponent, std::string("1.5e3\n"), ExponentLetters::e_only);
BENCHMARK_CAPTURE(read_number, d_exponent, std::string("2.5D-2 k"), ExponentLetters::e_and_d);
BENCHMARK_CAPTURE(read_number, twenty_digits, std::string("12345678901234567890\n"),
                  ExponentLetters::e_only);

// read_samples over a file of heart rates, one per line, into a buffer already in memory (the
// page faults of a fresh buffer are left to the whole-program benchmark).
void read_heart_rates(benchmark::State& state, const char* line_end)
{
    const std::size_t count = 100'000;
    std::string text;
    for (std::size_t i = 0; i < count; ++i)
        text += std::to_string(60 + (i * 37) % 140) + line_end;
    std::FILE* file = std::tmpfile();
    std::fwrite(text.data(), 1, text.size(), file);
    std::vector<double> buffer(2 * count);
    for (auto _ : state) {
        std::rewind(file);
        TextInput in;
        in.file = file;
        in.capacity = std::size_t{1} << 18;
        in.block = std::make_unique_for_overwrite<char[]>(in.capacity);
        SampleStore store{buffer.data(), count};
        const bool ok = read_samples(in, store);
        benchmark::DoNotOptimize(ok);
        in.file = nullptr;
    }
    std::fclose(file);
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(count));
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}

BENCHMARK_CAPTURE(read_heart_rates, lf, "\n");
BENCHMARK_CAPTURE(read_heart_rates, crlf, "\r\n");

// The sample lines, one after the other as hrsmooth writes them: smoothed heart rates, and
// values far larger.
void format_lines(benchmark::State& state, double first, double step)
{
    std::vector<double> values(4096);
    for (std::size_t i = 0; i < values.size(); ++i)
        values[i] = first + step * static_cast<double>((i * 37) % 140);
    std::vector<char> text(values.size() * sample_line_max);
    for (auto _ : state) {
        char* to = text.data();
        for (double v : values)
            to = format_sample_line(v, to);
        benchmark::DoNotOptimize(to);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(values.size()));
}

BENCHMARK_CAPTURE(format_lines, heart_rates, 60.3, 1.0);
BENCHMARK_CAPTURE(format_lines, large, -4294967296.5, 1.3e17);

// The calculators' printer: seconds to one decimal as the results show them, and values whose
// exact expansion is long (a huge number of hours, a tiny fraction).
void print_fixed(benchmark::State& state, double value, FixedConversion conversion)
{
    for (auto _ : state) {
        benchmark::DoNotOptimize(value);
        std::string text = format_fixed(value, conversion);
        benchmark::DoNotOptimize(text);
    }
}

BENCHMARK_CAPTURE(print_fixed, seconds, 56.099999999999994, tenths_zero_padded_4);
BENCHMARK_CAPTURE(print_fixed, minutes, 211.0, whole_space_padded_2);
BENCHMARK_CAPTURE(print_fixed, huge_hours, 1.6666666666666666e300, whole_number);
BENCHMARK_CAPTURE(print_fixed, tiny, 4.9406564584124654e-324, tenths_zero_padded_4);

}  // namespace

BENCHMARK_MAIN();
