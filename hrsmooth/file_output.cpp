#include "file_output.hpp"

#include "crlf_output.hpp"

#include <cstring>

namespace {

constexpr std::size_t block_size = std::size_t{1} << 18;

}  // namespace

bool open_file_output(FileOutput& out, const char* name)
{
    out.file = std::fopen(name, "wb");
    if (out.file == nullptr)
        return false;
    out.block = std::make_unique_for_overwrite<char[]>(block_size);
    out.capacity = block_size;
    return true;
}

void flush_file_output(FileOutput& out)
{
    if (out.used > 0 && std::fwrite(out.block.get(), 1, out.used, out.file) != out.used)
        out.failed = true;
    out.used = 0;
}

bool close_file_output(FileOutput& out)
{
    if (out.file == nullptr)
        return !out.failed;
    flush_file_output(out);
    if (std::fclose(out.file) != 0)
        out.failed = true;
    out.file = nullptr;
    return !out.failed;
}

void write_text(FileOutput& out, std::string_view text)
{
    const std::size_t chunk = block_size / 2;
    while (!text.empty()) {
        const std::string_view piece = text.substr(0, chunk);
        char* to = reserve_output(out, 2 * piece.size());
        out.used += copy_with_crlf(piece, to);
        text.remove_prefix(piece.size());
    }
}

void write_bytes(FileOutput& out, std::string_view bytes)
{
    while (!bytes.empty()) {
        const std::string_view piece = bytes.substr(0, block_size);
        char* to = reserve_output(out, piece.size());
        std::memcpy(to, piece.data(), piece.size());
        out.used += piece.size();
        bytes.remove_prefix(piece.size());
    }
}
