// Reading the HRM file in large blocks, with the rules of a text file:
// - CR LF and a bare LF are each one line end ('\n'), even when a block boundary splits the pair;
// - a CR not followed by LF is an ordinary byte;
// - a byte 0x1A (Ctrl-Z) ends the input as if the file ended there;
// - every other byte, NUL included, is read as it is.
#pragma once

#include <cstddef>
#include <cstdio>
#include <memory>
#include <string_view>

struct TextInput {
    std::FILE* file = nullptr;
    std::unique_ptr<char[]> block;
    std::size_t capacity = 0;
    std::size_t next = 0;    // first unread byte in block
    std::size_t end = 0;     // end of the bytes held; never past a Ctrl-Z
    bool exhausted = false;  // nothing more will come: end of file, Ctrl-Z or a read error
    bool read_error = false;
};

// Opens `name` for reading; false when it cannot be opened or is a folder.
bool open_text_input(TextInput& in, const char* name);
void close_text_input(TextInput& in);

// Keeps the unread bytes and reads more behind them, growing the block when it is full.
// Returns false when no byte was added.
bool fill_text_input(TextInput& in);

// The longest line piece a header read takes: 254 characters, its line end included.
constexpr std::size_t line_piece_max = 254;

// Reads the next piece of a line into `piece` (room for line_piece_max characters): up to and
// including the next line end, or line_piece_max characters, whichever comes first. A line end is
// stored as '\n'. Returns the number of characters read, 0 at the end of the input.
std::size_t read_line_piece(TextInput& in, char* piece);

// The unread bytes currently held, raw (a CR LF pair still two bytes).
inline std::string_view held_bytes(const TextInput& in)
{
    return {in.block.get() + in.next, in.end - in.next};
}
