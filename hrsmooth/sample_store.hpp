// The samples as read, held in the run's buffer of 2 x count doubles.
//
// Faulting in the pages of a buffer that size costs more than reading and writing the file, and
// heart rates are whole numbers below 256. So while every sample read is a whole number that a
// CompactSample holds exactly, the samples are kept as CompactSample values packed at the start
// of the buffer, which touches a sixteenth of its pages. The first sample that does not fit
// widens the ones kept so far to doubles, in place, and from then on every sample is kept as the
// double it is. Either way each sample keeps exactly the value read.
#pragma once

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>

using CompactSample = std::uint8_t;

struct SampleStore {
    double* values = nullptr;  // the buffer's first `count` doubles
    std::size_t count = 0;     // samples the buffer has room for
    std::size_t held = 0;      // samples kept so far
    bool wide = false;         // true: kept as doubles in values[0, held); false: packed compact
};

// True when `value` is a whole number that a CompactSample holds exactly (a negative zero is not).
inline bool fits_compact(double value)
{
    constexpr double low = std::numeric_limits<CompactSample>::min();
    constexpr double high = std::numeric_limits<CompactSample>::max();
    return value >= low && value <= high && value == std::trunc(value) &&
           !(value == 0.0 && std::signbit(value));
}

// The compact sample at `index`; the store is not wide. Packed values are copied as bytes, since
// the buffer's storage is that of doubles.
inline double compact_sample(const SampleStore& store, std::size_t index)
{
    const auto* bytes = reinterpret_cast<const unsigned char*>(store.values);
    CompactSample c;
    std::memcpy(&c, bytes + index * sizeof c, sizeof c);
    return c;
}

inline void keep_compact(SampleStore& store, CompactSample c)
{
    auto* bytes = reinterpret_cast<unsigned char*>(store.values);
    std::memcpy(bytes + store.held * sizeof c, &c, sizeof c);
    ++store.held;
}

// Turns the compact samples kept so far into doubles, in place, and makes the store wide.
void widen_samples(SampleStore& store);

// Keeps one more sample; held < count.
inline void keep_sample(SampleStore& store, double value)
{
    if (!store.wide) {
        if (fits_compact(value)) {
            keep_compact(store, static_cast<CompactSample>(value));
            return;
        }
        widen_samples(store);
    }
    store.values[store.held++] = value;
}

// Keeps one more sample that is a whole number below 2^53; held < count.
inline void keep_whole_sample(SampleStore& store, std::uint64_t whole)
{
    constexpr auto high = static_cast<std::uint64_t>(std::numeric_limits<CompactSample>::max());
    if (!store.wide && whole <= high)
        keep_compact(store, static_cast<CompactSample>(whole));
    else
        keep_sample(store, static_cast<double>(whole));
}
