// Cutting a time argument such as "1:06:00" into its pieces at the colons.
#pragma once

#include <string>

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
