// Reading decimal number text, the one way every tool reads a number.
//
// Grammar, longest valid prefix of [first, last):
//   blanks  [+|-]  ( digits [ "." [digits] ] | "." digits )  [ letter [+|-] digits ]
// - blanks are space, tab, LF, VT, FF and CR;
// - only the bytes '0' to '9' are digits;
// - the exponent letters are e, E, d and D (ExponentLetters::e_and_d) or e and E only
//   (ExponentLetters::e_only); a letter, or a letter and its sign, that no digit follows is not
//   part of the number;
// - there are no "inf", "nan" or hexadecimal forms.
//
// Value: the double nearest to the decimal number, ties to even. A number too large for a double
// gives an infinity of its sign; one too small gives a zero of its sign.
//
// Result: `end` points just past the number's last character. When no number starts at `first`
// (after the blanks), `has_digits` is false, `value` is 0 and `end` is `first`.
// Nothing outside [first, last) is ever read.
#pragma once

#include <string_view>

enum class ExponentLetters { e_and_d, e_only };

struct NumberText {
    double value;
    const char* end;
    bool has_digits;
};

NumberText read_number_text(const char* first, const char* last,
                            ExponentLetters letters = ExponentLetters::e_and_d);

// The value of the number at the start of `text`, or 0 when there is none; the rest is ignored.
double text_to_double(std::string_view text);
