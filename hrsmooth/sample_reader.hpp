// Reading the heart-rate samples: a flat sequence of numbers after the "[HRData]" line.
//
// Each read skips white space (line ends included), then takes an optional sign, digits with an
// optional point and fraction, and an optional exponent (e or E, an optional sign and digits).
// The first character that does not fit stays unread for the next read or for the copy of the
// rest of the file.
#pragma once

#include "sample_store.hpp"
#include "text_input.hpp"

// Reads one sample into `value`. False when the next text is not a number, the input has ended,
// or the number is too large to be a finite double.
bool read_sample(TextInput& in, double& value);

// Reads samples into `store` until it holds store.count of them, as that many calls of
// read_sample would; plain whole numbers held complete in the input block are taken without the
// general reader. False when a sample cannot be read.
bool read_samples(TextInput& in, SampleStore& store);
