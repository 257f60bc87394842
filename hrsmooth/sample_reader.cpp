#include "sample_reader.hpp"

#include "number_text.hpp"

#include <cmath>
#include <cstdint>

namespace {

// Space, or tab, LF, VT, FF and CR, which are the codes 9 to 13.
bool is_blank(char c) { return c == ' ' || static_cast<unsigned char>(c - '\t') < 5; }

bool is_digit(char c) { return static_cast<unsigned char>(c - '0') < 10; }

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

// The common form, read straight from the held bytes: blanks, then 1 to 15 digits (a whole number
// exact as a double) ended by a blank. Keeps such samples while each one lies complete in the
// block, and stops before the first that does not, or when the store is full.
void read_plain_samples(TextInput& in, SampleStore& store)
{
    constexpr std::size_t longest = 16;  // 15 digits and the blank after them
    const char* const block = in.block.get();
    if (in.end - in.next < longest)
        return;
    // A number starting before `safe` ends within the block: no test of the end is needed.
    const char* const safe = block + in.end - (longest - 1);
    const char* p = block + in.next;
    while (store.held < store.count) {
        while (p < safe && is_blank(*p))
            ++p;
        if (p >= safe)
            break;
        const char* q = p;
        std::uint64_t whole = 0;
        while (is_digit(*q) && q - p < 15) {
            whole = whole * 10 + static_cast<std::uint64_t>(*q - '0');
            ++q;
        }
        if (q == p || !is_blank(*q))
            break;
        keep_whole_sample(store, whole);
        p = q;
    }
    in.next = static_cast<std::size_t>(p - block);
}

}  // namespace

bool read_sample(TextInput& in, double& value)
{
    if (!skip_blanks(in))
        return false;
    const char* run_end = hold_number_run(in);
    const char* first = in.block.get() + in.next;
    const NumberText n = read_number_text(first, run_end, ExponentLetters::e_only);
    if (!n.has_digits || !std::isfinite(n.value))
        return false;
    value = n.value;
    in.next += static_cast<std::size_t>(n.end - first);
    return true;
}

bool read_samples(TextInput& in, SampleStore& store)
{
    while (store.held < store.count) {
        read_plain_samples(in, store);
        if (store.held == store.count)
            break;
        double value;
        if (!read_sample(in, value))
            return false;
        keep_sample(store, value);
    }
    return true;
}
