// Fixed-point printing of doubles, the one way the running calculators print a number.
//
// Text of a finite value x printed with width W, D decimals (0 or 1) and a padding kind:
//   [pad] ["-"] [zeros] digits [ "." digit ]     (D = 1 gives the point and one digit)
// - A zero of either sign prints as the digit "0" (and ".0" when D = 1), without a sign.
// - Otherwise the digits come from two roundings of |x|, both half up:
//     1. the exact decimal expansion of |x| is rounded to 17 significant digits: an 18th digit
//        of 5 or more adds one to the 17th, carrying through nines;
//     2. those 17 digits are rounded at the D-th decimal: a first dropped digit of 5 or more
//        adds one to the last kept digit, carrying through nines (possibly into a new leading 1).
//   So 1.45 (stored just below 1.45, but 1.4500000000000000 at 17 digits) prints as 1.5 with one
//   decimal, 0.25 as 0.3, and 9.95 (still below 9.95 at 17 digits) as 9.9.
// - There is always a digit before the point: a value below 1 gets a leading 0.
// - A negative x other than zero gets a "-", even when every printed digit is 0 (-0.04 -> -0.0).
// - Text shorter than W is padded on the left: zeros go after the sign, spaces before it.
//   Longer text is never cut; every digit of a huge value is printed.
// Values that are not finite print as "inf", "-inf" or "nan", padded with spaces to W.
#pragma once

#include <string>

enum class Padding { spaces, zeros };

struct FixedConversion {
    int width;
    int decimals;  // 0 or 1
    Padding padding;
};

// The conversions the calculators print with, named after the printf formats they mimic.
inline constexpr FixedConversion whole_number{1, 0, Padding::spaces};          // "%1.0f"
inline constexpr FixedConversion whole_zero_padded_2{2, 0, Padding::zeros};    // "%02.0f"
inline constexpr FixedConversion whole_space_padded_2{2, 0, Padding::spaces};  // "%2.0f"
inline constexpr FixedConversion tenths_zero_padded_4{4, 1, Padding::zeros};   // "%04.1f"

std::string format_fixed(double x, FixedConversion conversion);
