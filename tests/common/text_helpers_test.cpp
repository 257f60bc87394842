// Case-insensitive comparison and CR LF output.
#include "ascii_case.hpp"
#include "crlf_output.hpp"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

TEST(AsciiCase, OnlyLettersAToZFold)
{
    EXPECT_TRUE(ascii_iequal("[HRData]", "[hrdata]"));
    EXPECT_TRUE(ascii_iequal("ride.hrm", "RIDE.HRM"));
    EXPECT_FALSE(ascii_iequal("[Note]", "[Note] "));  // lengths differ
    EXPECT_FALSE(ascii_iequal("@", "`"));             // 0x40 and 0x60 are not letters
    EXPECT_FALSE(ascii_iequal("[", "{"));
    EXPECT_FALSE(ascii_iequal("\xc3\x89", "\xc3\xa9"));  // no folding beyond ASCII
    EXPECT_TRUE(ascii_iequal(std::string_view("a\0b", 3), std::string_view("A\0B", 3)));
    EXPECT_TRUE(ascii_istarts_with("LENGTH=1:05:23.4", "Length"));
    EXPECT_FALSE(ascii_istarts_with("Len", "Length"));
    EXPECT_FALSE(ascii_istarts_with(" Length", "Length"));
}

TEST(CrlfOutput, EveryLineEndBecomesCrLf)
{
    const struct {
        const char* text;
        const char* written;
    } cases[] = {
        {"", ""},
        {"abc", "abc"},
        {"\n", "\r\n"},
        {"a\nb\n", "a\r\nb\r\n"},
        {"\n\n", "\r\n\r\n"},
        {"a\rb", "a\rb"},  // a lone CR is an ordinary byte
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        char out[16];
        const std::size_t n = copy_with_crlf(c.text, out);
        EXPECT_EQ(std::string(out, n), c.written);
    }
}

TEST(CrlfOutput, WritesLongTextToAFile)
{
    std::string text;
    for (int i = 0; i < 3000; ++i)
        text += "line " + std::to_string(i) + "\n";
    std::FILE* file = std::tmpfile();
    ASSERT_NE(file, nullptr);
    EXPECT_TRUE(write_crlf(file, text));
    std::rewind(file);
    std::string back;
    char block[4096];
    std::size_t n = 0;
    while ((n = std::fread(block, 1, sizeof block, file)) > 0)
        back.append(block, n);
    std::fclose(file);
    std::string expected;
    for (char c : text)
        expected += c == '\n' ? std::string("\r\n") : std::string(1, c);
    EXPECT_EQ(back, expected);
}

TEST(CrlfOutput, ReportsAFailedWrite)
{
    std::FILE* full = std::fopen("/dev/full", "w");
    if (full == nullptr)
        GTEST_SKIP() << "no /dev/full";
    std::setvbuf(full, nullptr, _IONBF, 0);
    EXPECT_FALSE(write_crlf(full, "x\n"));
    std::fclose(full);
}

}  // namespace
