// Fuzz target: the number text reader on arbitrary bytes, with both sets of exponent letters.
//
// The reader is given an exact-size heap copy of the bytes, so a read past `last` is caught by
// AddressSanitizer. Its result is checked against strtod in the C locale, which reads the same
// grammar once every byte that cannot belong to a number cuts the text and 'd'/'D' are spelled
// 'e': the same end, the same presence of digits, and the same value bit for bit.
#include "number_text.hpp"

#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

namespace {

[[noreturn]] void fail(const char* what, const std::string& text)
{
    std::fprintf(stderr, "number_text_fuzz: %s on \"%s\"\n", what, text.c_str());
    std::abort();
}

bool is_blank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Bytes that can stand in a number of the given grammar; 'd' and 'D' only with e_and_d.
bool may_stand_in_number(char c, ExponentLetters letters)
{
    if ((c >= '0' && c <= '9') || c == '.' || c == '+' || c == '-' || c == 'e' || c == 'E')
        return true;
    return letters == ExponentLetters::e_and_d && (c == 'd' || c == 'D');
}

void check(const char* first, const char* last, ExponentLetters letters)
{
    const NumberText n = read_number_text(first, last, letters);
    const std::string text(first, last);
    if (n.end < first || n.end > last)
        fail("end outside the text", text);

    // The reference text: leading blanks, then the bytes that may stand in a number, cut at the
    // first other byte, with the 'd' exponent spelled 'e'.
    std::string reference;
    const char* p = first;
    while (p != last && is_blank(*p))
        reference += *p++;
    for (; p != last && may_stand_in_number(*p, letters); ++p)
        reference += (*p == 'd' || *p == 'D') ? 'e' : *p;
    char* stop = nullptr;
    const double expected = std::strtod(reference.c_str(), &stop);
    const bool expected_digits = stop != reference.c_str();

    if (n.has_digits != expected_digits)
        fail("has_digits differs from strtod", text);
    if (!n.has_digits) {
        if (n.end != first || std::bit_cast<std::uint64_t>(n.value) != 0)
            fail("no number, but not +0 at first", text);
        return;
    }
    if (n.end - first != stop - reference.c_str())
        fail("end differs from strtod", text);
    if (std::bit_cast<std::uint64_t>(n.value) != std::bit_cast<std::uint64_t>(expected))
        fail("value differs from strtod", text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto bytes = std::make_unique<char[]>(size);
    if (size > 0)
        std::memcpy(bytes.get(), data, size);
    check(bytes.get(), bytes.get() + size, ExponentLetters::e_and_d);
    check(bytes.get(), bytes.get() + size, ExponentLetters::e_only);
    return 0;
}
