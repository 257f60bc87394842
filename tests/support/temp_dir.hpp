// A fresh temporary folder per test, removed with its contents afterwards, and file helpers.
#pragma once

#include <filesystem>
#include <string>

struct TempDir {
    std::filesystem::path path;
};

TempDir make_temp_dir();
void remove_temp_dir(const TempDir& dir);

void write_file(const std::filesystem::path& file, const std::string& bytes);
std::string read_file(const std::filesystem::path& file);
