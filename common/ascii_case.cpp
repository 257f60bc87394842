#include "ascii_case.hpp"

bool ascii_iequal(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (ascii_lower(a[i]) != ascii_lower(b[i]))
            return false;
    return true;
}

bool ascii_istarts_with(std::string_view text, std::string_view key)
{
    return text.size() >= key.size() && ascii_iequal(text.substr(0, key.size()), key);
}
