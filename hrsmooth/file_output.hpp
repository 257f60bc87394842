// Writing the smoothed HRM file in large blocks. Text goes through the CR LF rule; a failed write
// is remembered, so the run can report it instead of claiming success.
#pragma once

#include <cstddef>
#include <cstdio>
#include <memory>
#include <string_view>

struct FileOutput {
    std::FILE* file = nullptr;
    std::unique_ptr<char[]> block;
    std::size_t capacity = 0;
    std::size_t used = 0;
    bool failed = false;
};

// Creates or truncates `name`; false when it cannot be opened.
bool open_file_output(FileOutput& out, const char* name);

// Writes out the block and closes the file. Returns false when any write or the close failed.
bool close_file_output(FileOutput& out);

void flush_file_output(FileOutput& out);

// Room for at least `n` more bytes in the block; `n` must not exceed the block's capacity.
inline char* reserve_output(FileOutput& out, std::size_t n)
{
    if (out.capacity - out.used < n)
        flush_file_output(out);
    return out.block.get() + out.used;
}

// Writes `text` with each '\n' as "\r\n".
void write_text(FileOutput& out, std::string_view text);

// Writes `bytes` as they are.
void write_bytes(FileOutput& out, std::string_view bytes);
