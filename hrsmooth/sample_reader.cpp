#include "sample_reader.hpp"

#include "number_text.hpp"

#include <cmath>
#include <cstdint>

namespace {

bool is_blank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool is_digit(char c) { return c >= '0' && c <= '9'; }

// Characters that can stand in a number; a run of them is all a number can take.
bool is_number_char(char c)
{
    return is_digit(c) || c == '.' || c == '+' || c == '-' || c == 'e' || c == 'E';
}

// Skips white space; false when the input ends first.
bool skip_blanks(TextInput& in)
{
    for (;;) {
        while (in.next != in.end && is_blank(in.block[in.next]))
            ++in.next;
        if (in.next != in.end)
            return true;
        if (!fill_text_input(in))
            return false;
    }
}

// Makes sure the number at the read position is held whole, so that it can be read in place.
// Returns the end of the run of number characters there, or of as much of it as can hold the
// number: a number has at most four characters other than digits (two signs, a point and an
// exponent letter), so it ends before the fifth. Looking no further keeps every read in
// proportion to the number it takes, however long the run ("1+1+1...") goes on.
const char* hold_number_run(TextInput& in)
{
    std::size_t scanned = in.next;
    int non_digits = 0;
    for (;;) {
        while (scanned != in.end && is_number_char(in.block[scanned])) {
            if (!is_digit(in.block[scanned]) && ++non_digits > 4)
                return in.block.get() + scanned;
            ++scanned;
        }
        if (scanned != in.end || in.exhausted)
            return in.block.get() + scanned;
        const std::size_t offset = scanned - in.next;
        fill_text_input(in);
        scanned = in.next + offset;
    }
}

}  // namespace

bool read_sample(TextInput& in, double& value)
{
    if (!skip_blanks(in))
        return false;
    // Common case: a whole number of up to 15 digits, held in full, exact as a double.
    const char* p = in.block.get() + in.next;
    const char* const held_end = in.block.get() + in.end;
    const char* q = p;
    std::uint64_t whole = 0;
    while (q != held_end && is_digit(*q) && q - p < 15) {
        whole = whole * 10 + static_cast<std::uint64_t>(*q - '0');
        ++q;
    }
    if (q != p && q != held_end && !is_number_char(*q)) {
        value = static_cast<double>(whole);
        in.next += static_cast<std::size_t>(q - p);
        return true;
    }
    const char* run_end = hold_number_run(in);
    const char* first = in.block.get() + in.next;
    const NumberText n = read_number_text(first, run_end, ExponentLetters::e_only);
    if (!n.has_digits || !std::isfinite(n.value))
        return false;
    value = n.value;
    in.next += static_cast<std::size_t>(n.end - first);
    return true;
}
