#include "text_input.hpp"

#include <cstring>
#include <filesystem>
#include <system_error>

namespace {

constexpr std::size_t initial_block = std::size_t{1} << 18;
constexpr char ctrl_z = 0x1A;

}  // namespace

bool open_text_input(TextInput& in, const char* name)
{
    std::error_code ec;
    if (std::filesystem::is_directory(name, ec))
        return false;
    in.file = std::fopen(name, "rb");
    if (in.file == nullptr)
        return false;
    in.block = std::make_unique_for_overwrite<char[]>(initial_block);
    in.capacity = initial_block;
    return true;
}

void close_text_input(TextInput& in)
{
    if (in.file != nullptr)
        std::fclose(in.file);
    in.file = nullptr;
}

bool fill_text_input(TextInput& in)
{
    if (in.exhausted)
        return false;
    char* block = in.block.get();
    if (in.next > 0) {
        std::memmove(block, block + in.next, in.end - in.next);
        in.end -= in.next;
        in.next = 0;
    }
    if (in.end == in.capacity) {
        // Only a single number longer than the block gets here.
        auto bigger = std::make_unique_for_overwrite<char[]>(2 * in.capacity);
        std::memcpy(bigger.get(), block, in.end);
        in.block = std::move(bigger);
        in.capacity *= 2;
        block = in.block.get();
    }
    const std::size_t got = std::fread(block + in.end, 1, in.capacity - in.end, in.file);
    if (got == 0) {
        in.exhausted = true;
        in.read_error = std::ferror(in.file) != 0;
        return false;
    }
    const void* stop = std::memchr(block + in.end, ctrl_z, got);
    if (stop != nullptr) {
        // A Ctrl-Z as the first byte read adds nothing.
        const std::size_t held = in.end;
        in.end = static_cast<std::size_t>(static_cast<const char*>(stop) - block);
        in.exhausted = true;
        return in.end != held;
    }
    in.end += got;
    return true;
}

std::size_t read_line_piece(TextInput& in, char* piece)
{
    std::size_t n = 0;
    while (n < line_piece_max) {
        if (in.next == in.end && !fill_text_input(in))
            break;
        const char c = in.block[in.next];
        if (c == '\r') {
            // A CR is a line end only together with the LF that follows it, perhaps in the next
            // block.
            if (in.next + 1 == in.end)
                fill_text_input(in);
            if (in.next + 1 < in.end && in.block[in.next + 1] == '\n') {
                in.next += 2;
                piece[n++] = '\n';
                break;
            }
        }
        ++in.next;
        piece[n++] = c;
        if (c == '\n')
            break;
    }
    return n;
}
