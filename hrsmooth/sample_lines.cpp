#include "sample_lines.hpp"

#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace {

// "00" to "99": the two digits of each number below 100.
constexpr auto digit_pairs = [] {
    std::array<char, 200> pairs{};
    for (std::size_t i = 0; i < 100; ++i) {
        pairs[2 * i] = static_cast<char>('0' + i / 10);
        pairs[2 * i + 1] = static_cast<char>('0' + i % 10);
    }
    return pairs;
}();

// The line of a whole number below 10000, as heart rates are: its digits and CR LF. The line is
// put together as four digits in one 64-bit word whose low byte is the first in memory (so only
// on a little-endian machine), then shifted to drop the leading zeros: there is no branch on the
// number of digits. Stores 8 bytes at `to`; the line is the first digits + 2 of them.
char* put_small_line(std::uint32_t whole, char* to)
{
    std::uint16_t high, low, crlf;
    std::memcpy(&high, &digit_pairs[std::size_t{2} * (whole / 100)], 2);
    std::memcpy(&low, &digit_pairs[std::size_t{2} * (whole % 100)], 2);
    std::memcpy(&crlf, "\r\n", 2);
    const std::uint32_t digits = 1 + (whole >= 10) + (whole >= 100) + (whole >= 1000);
    std::uint64_t line = high | std::uint64_t{low} << 16 | std::uint64_t{crlf} << 32;
    line >>= 8 * (4 - digits);
    std::memcpy(to, &line, sizeof line);
    return to + digits + 2;
}

}  // namespace

char* format_sample_line(double value, char* to)
{
    const double shifted = value + 0.5;
    if (std::endian::native == std::endian::little && shifted >= 0.0 && shifted < 10000.0)
        return put_small_line(static_cast<std::uint32_t>(shifted), to);
    const double whole = std::trunc(shifted);
    if (std::fabs(whole) < 9.2e18) {
        to = std::to_chars(to, to + 20, static_cast<std::int64_t>(whole)).ptr;
    } else {
        // Exact for a whole number of any size.
        to = std::to_chars(to, to + sample_line_max - 2, whole, std::chars_format::fixed, 0).ptr;
    }
    *to++ = '\r';
    *to++ = '\n';
    return to;
}

void write_sample_lines(FileOutput& out, const double* values, std::size_t count)
{
    std::size_t i = 0;
    while (i < count) {
        char* to = reserve_output(out, sample_line_max);
        // A line of any length fits from every position up to `last`.
        const char* const last = out.block.get() + out.capacity - sample_line_max;
        for (; i < count && to <= last; ++i)
            to = format_sample_line(values[i], to);
        out.used = static_cast<std::size_t>(to - out.block.get());
    }
}
