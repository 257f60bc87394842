// Cutting a time argument such as "1:06:00" into its pieces at the colons.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The double just below 1/60: a smaller unit becomes the next larger one by multiplying by this,
// never by dividing by 60.
constexpr double one_sixtieth = 0.016666666666666666;

struct ColonCut {
    int count;   // colons in the text
    int first;   // position of the first colon, -1 when there is none
    int second;  // position of the second colon, -1 when there is none
};

// Replaces every colon of `text` by a string end and reports where the first two were. The piece
// after a colon then runs from just past it to the next string end.
ColonCut cut_at_colons(std::string& text);

// The number at the start of the piece beginning at `start`, read up to the next string end; a
// piece without a number is 0.
double piece_value(const std::string& cut_text, int start);

// A time argument cut at its colons, or the reason it was refused.
struct TimeArgument {
    std::string text;  // the argument, every colon replaced by a string end
    ColonCut colons;
    std::string_view refusal;  // empty when accepted, otherwise the message to print
};

// Refuses a text of fewer than `min_length` characters before it looks at anything else, then
// cuts the text at every colon and refuses more than `max_colons` of them.
TimeArgument read_time_argument(const char* text, std::size_t min_length, int max_colons);
