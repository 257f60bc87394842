// The sample reader and the store it fills: the plain whole numbers it takes straight from the
// input block must come out exactly as the general reader would give them, wherever the block
// boundaries fall, and the compact store must keep every value exactly.
#include "sample_reader.hpp"
#include "sample_store.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <string>
#include <vector>

namespace {

struct ReadResult {
    bool ok;
    std::vector<double> values;  // the samples stored, in order
    std::string rest;            // what the input still holds, line ends read as '\n'
};

double stored_value(const SampleStore& store, std::size_t i)
{
    return store.wide ? store.values[i] : compact_sample(store, i);
}

// Reads `count` samples from `text` through an input block of `block` bytes.
ReadResult read_through_block(const std::string& text, std::size_t count, std::size_t block)
{
    TextInput in;
    in.file = std::tmpfile();
    std::fwrite(text.data(), 1, text.size(), in.file);
    std::rewind(in.file);
    in.capacity = block;
    in.block = std::make_unique<char[]>(block);
    std::vector<double> buffer(2 * count);
    SampleStore store{buffer.data(), count};
    ReadResult r{read_samples(in, store), {}, {}};
    for (std::size_t i = 0; i < store.held; ++i)
        r.values.push_back(stored_value(store, i));
    char piece[line_piece_max];
    while (std::size_t n = read_line_piece(in, piece))
        r.rest.append(piece, n);
    close_text_input(in);
    return r;
}

std::string values_text(const std::vector<double>& values)
{
    std::string text;
    for (double v : values) {
        char number[64];
        std::snprintf(number, sizeof number, "%.17g ", v);
        text += number;
    }
    return text;
}

TEST(ReadSamples, SameValuesAndStopWhateverTheBlockSize)
{
    const std::string pad(13, ' ');  // moves the numbers across the small blocks' boundaries
    const struct Case {
        const char* name;
        std::string text;
        std::size_t count;
        bool ok;
        std::vector<double> values;
        std::string rest;
    } cases[] = {
        {"heart rates, LF", "72\n75\n101\n99\n", 4, true, {72, 75, 101, 99}, "\n"},
        {"heart rates, CR LF", "72\r\n75\r\n101\r\n99\r\n", 4, true, {72, 75, 101, 99}, "\n"},
        {"every blank", " \t\r\n\v\f7\f\v\n\r\t 8 ", 2, true, {7, 8}, " "},
        {"leading zeros", "007\n0000000000000000000042\n", 2, true, {7, 42}, "\n"},
        {"15 digits",
         "999999999999999\n123456789012345 ",
         2,
         true,
         {999999999999999.0, 123456789012345.0},
         " "},
        {"16 and 17 digits, rounded to the nearest double",
         "9007199254740993\n12345678901234567\n",
         2,
         true,
         {9007199254740992.0, 12345678901234568.0},
         "\n"},
        {"a fraction after the digits", "12.5\n3.\n", 2, true, {12.5, 3.0}, "\n"},
        {"an exponent after the digits", "12e2\n5E-1\n", 2, true, {1200.0, 0.5}, "\n"},
        {"an exponent letter without digits stays", "7e\n", 1, true, {7}, "e\n"},
        {"signs", "+5\n-5\n-0\n", 3, true, {5, -5, -0.0}, "\n"},
        {"a letter after the digits stays for the next read", "12abc\n", 2, false, {12}, "abc\n"},
        {"the last number at the very end", "1\n2\n345", 3, true, {1, 2, 345}, ""},
        {"the input ends first", "1\n2\n", 3, false, {1, 2}, ""},
        {"a word is not a number", "1\nbpm\n", 2, false, {1}, "bpm\n"},
        {"Ctrl-Z ends the input",
         "1\n2\x1a"
         "3\n",
         3,
         false,
         {1, 2},
         ""},
        {"too large for a double", "1\n1e400\n", 2, false, {1}, "1e400\n"},
        {"extra samples stay", "1 2 3 4\n", 2, true, {1, 2}, " 3 4\n"},
        {"moved across block boundaries",
         pad + "123\n" + pad + "45678\n" + pad + "9\n",
         3,
         true,
         {123, 45678, 9},
         "\n"},
    };
    for (const Case& c : cases) {
        for (std::size_t block :
             {std::size_t{1}, std::size_t{2}, std::size_t{3}, std::size_t{5}, std::size_t{8},
              std::size_t{15}, std::size_t{16}, std::size_t{17}, std::size_t{18}, std::size_t{19},
              std::size_t{23}, std::size_t{31}, std::size_t{32}, std::size_t{1} << 18}) {
            SCOPED_TRACE(std::string(c.name) + ", block of " + std::to_string(block));
            const ReadResult r = read_through_block(c.text, c.count, block);
            EXPECT_EQ(r.ok, c.ok);
            EXPECT_EQ(values_text(r.values), values_text(c.values));
            EXPECT_EQ(r.rest, c.rest);
        }
    }
}

// Heart rates of every length, each cut at every place by some block boundary.
TEST(ReadSamples, NumbersCutAnywhereByTheBlock)
{
    std::string text;
    std::vector<double> values;
    for (int i = 0; i < 300; ++i) {
        const int v = (i * 7919) % 100000;
        text += std::to_string(v) + (i % 3 == 0 ? "\r\n" : "\n");
        values.push_back(v);
    }
    for (std::size_t block = 16; block <= 64; ++block) {
        SCOPED_TRACE(block);
        const ReadResult r = read_through_block(text, values.size(), block);
        EXPECT_TRUE(r.ok);
        EXPECT_EQ(r.values, values);
        EXPECT_EQ(r.rest, "\n");
    }
}

std::vector<double> widening_late()
{
    std::vector<double> values;
    values.reserve(1002);
    for (int i = 0; i < 1000; ++i)
        values.push_back((i * 37) % 256);
    values.push_back(300.25);
    values.push_back(17);
    return values;
}

// Samples stay compact while they are whole numbers a byte holds; the first other one widens
// every sample kept so far, in place, without changing one.
TEST(SampleStore, KeepsEveryValueExactlyWhenItWidens)
{
    const struct Case {
        const char* name;
        std::vector<double> values;
        bool wide;
    } cases[] = {
        {"whole numbers from 0 to 255 stay compact", {0, 1, 254, 255, 72}, false},
        {"256 widens", {0, 255, 256, 3}, true},
        {"a fraction widens", {72, 72.5, 73}, true},
        {"a negative number widens", {72, -1, 73}, true},
        {"a negative zero widens", {72, -0.0, 73}, true},
        {"the first sample widens", {1e300, 5, 6}, true},
        {"widening after a thousand compact samples", widening_late(), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<double> buffer(2 * c.values.size());
        SampleStore store{buffer.data(), c.values.size()};
        for (double v : c.values)
            keep_sample(store, v);
        EXPECT_EQ(store.wide, c.wide);
        std::vector<double> kept;
        for (std::size_t i = 0; i < store.held; ++i)
            kept.push_back(stored_value(store, i));
        EXPECT_EQ(values_text(kept), values_text(c.values));
    }
}

}  // namespace
