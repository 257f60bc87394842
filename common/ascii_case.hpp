// Comparison of keywords, section names and file names: the letters A to Z match their lower
// case, every other byte only itself, and the lengths must agree. No locale is consulted.
#pragma once

#include <string_view>

constexpr char ascii_lower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c;
}

bool ascii_iequal(std::string_view a, std::string_view b);

// True when `text` begins with `key`, ignoring the case of A to Z.
bool ascii_istarts_with(std::string_view text, std::string_view key);
