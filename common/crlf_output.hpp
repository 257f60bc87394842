// Text output: every line end the tools write, on the console and in files, is CR LF.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string_view>

// Copies `text` to `out`, writing each '\n' as "\r\n"; returns the number of bytes written.
// `out` must have room for 2 * text.size() bytes.
std::size_t copy_with_crlf(std::string_view text, char* out);

// Writes `text` to `file` with each '\n' as "\r\n". Returns false when a write failed.
bool write_crlf(std::FILE* file, std::string_view text);
