#include "time_pieces.hpp"

#include "number_text.hpp"

#include <cstddef>
#include <string_view>

ColonCut cut_at_colons(std::string& text)
{
    ColonCut cut{0, -1, -1};
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != ':')
            continue;
        if (cut.count == 0)
            cut.first = static_cast<int>(i);
        else if (cut.count == 1)
            cut.second = static_cast<int>(i);
        ++cut.count;
        text[i] = '\0';
    }
    return cut;
}

double piece_value(const std::string& cut_text, int start)
{
    return text_to_double(std::string_view(cut_text.c_str() + start));
}

TimeArgument read_time_argument(const char* text, std::size_t min_length, int max_colons)
{
    TimeArgument time{text, ColonCut{0, -1, -1}, {}};  // a copy: it is cut in place
    if (time.text.size() < min_length) {
        time.refusal = "Time is too small\n";
        return time;
    }
    time.colons = cut_at_colons(time.text);
    if (time.colons.count > max_colons)
        time.refusal = "Time format incorrect: Too many colons\n";
    return time;
}
