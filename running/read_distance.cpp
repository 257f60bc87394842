#include "read_distance.hpp"

#include "ascii_case.hpp"
#include "number_text.hpp"

#include <cstring>

namespace {

constexpr double half_marathon_miles = 13.109375;           // 13 7/64
constexpr double marathon_miles = 26.21875;                 // 26 miles 385 yards
constexpr double miles_per_kilometre = 0.6213688756330196;  // a mile taken as 1.60935 km

constexpr std::string_view unrecognized_message = "Unrecognized distance\n";
constexpr std::string_view not_positive_message = "Distance can't be 0 or negative\n";

bool is_decimal_digit(char c) { return c >= '0' && c <= '9'; }

// A number of miles, or of kilometres when the last character is k or K.
double numeric_distance(std::string_view text)
{
    double value = text_to_double(text);
    if (!text.empty() && (text.back() == 'k' || text.back() == 'K'))
        value *= miles_per_kilometre;
    return value;
}

}  // namespace

DistanceResult read_distance(const char* text)
{
    const std::string_view distance_text(text, std::strlen(text));
    double miles = 0.0;
    if (distance_text.size() == 1 && !is_decimal_digit(distance_text[0])) {
        if (ascii_iequal(distance_text, "h"))
            miles = half_marathon_miles;
        else if (ascii_iequal(distance_text, "m"))
            miles = marathon_miles;
        else
            return DistanceResult{0.0, 2, unrecognized_message};
    } else {
        miles = numeric_distance(distance_text);
    }
    if (!(miles > 0.0))
        return DistanceResult{miles, 3, not_positive_message};
    return DistanceResult{miles, 0, {}};
}
