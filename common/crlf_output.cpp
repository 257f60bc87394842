#include "crlf_output.hpp"

#include <cstring>

std::size_t copy_with_crlf(std::string_view text, char* out)
{
    char* o = out;
    const char* p = text.data();
    const char* const last = p + text.size();
    while (p != last) {
        const void* nl = std::memchr(p, '\n', static_cast<std::size_t>(last - p));
        const char* stop = nl != nullptr ? static_cast<const char*>(nl) : last;
        std::memcpy(o, p, static_cast<std::size_t>(stop - p));
        o += stop - p;
        p = stop;
        if (p != last) {
            *o++ = '\r';
            *o++ = '\n';
            ++p;
        }
    }
    return static_cast<std::size_t>(o - out);
}

bool write_crlf(std::FILE* file, std::string_view text)
{
    constexpr std::size_t chunk = 2048;
    char block[2 * chunk];
    bool ok = true;
    while (!text.empty()) {
        const std::string_view piece = text.substr(0, chunk);
        const std::size_t n = copy_with_crlf(piece, block);
        ok = std::fwrite(block, 1, n, file) == n && ok;
        text.remove_prefix(piece.size());
    }
    return ok;
}
