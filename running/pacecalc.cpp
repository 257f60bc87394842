#include "pacecalc.hpp"

#include "crlf_output.hpp"
#include "number_printer.hpp"
#include "race_arguments.hpp"

#include <cmath>
#include <string>
#include <string_view>

namespace {

std::string usage_text(const std::string& program)
{
    return "pacecalc - average pace per mile of a race run in a given time\n" +
           std::string(banner_tail) + "Usage: " + program +
           " distance total_time\n"
           "distance in miles (default, eg, 10 or 10m) or kilometers (eg, 8k)\n"
           "Use just h for half marathon, just m for marathon\n"
           "time in mins:secs or hrs:mins:secs, eg, 15:04, 81:17, 2:31:00\n"
           "Example: 5k race in 17 mins, 30 secs is\n" +
           program +
           " 5k 17:30\n"
           "Example: 10 mile race in 1 hour, 6 mins, and no secs is\n" +
           program + " 10 1:06:00, or\n" + program +
           " 10 66:00\n"
           "Example: marathon in 3 hours, 7 mins, and 4 secs is\n" +
           program + " m 3:07:04\n";
}

// The time in minutes from the pieces of a time cut at its colons: seconds alone,
// minutes:seconds or hours:minutes:seconds, each piece converted in turn from first to last.
double total_minutes_of(const std::string& time, const ColonCut& colons)
{
    double hours = 0.0;
    double minutes = 0.0;
    double seconds = 0.0;
    if (colons.count == 0) {
        seconds = piece_value(time, 0);
    } else if (colons.count == 1) {
        minutes = piece_value(time, 0);
        seconds = piece_value(time, colons.first + 1);
    } else {
        hours = piece_value(time, 0);
        minutes = piece_value(time, colons.first + 1);
        seconds = piece_value(time, colons.second + 1);
    }
    return seconds * one_sixtieth + hours * 60.0 + minutes;
}

// The result line: whole minutes and seconds split off the pace by fmod, nothing rounded before
// printing, hours never split off.
std::string pace_line(double pace)
{
    const double fraction = std::fmod(pace, 1.0);
    const double whole_minutes = pace - fraction;
    const double seconds = fraction * 60.0;
    return "\nPace is " + format_fixed(whole_minutes, whole_number) + ":" +
           format_fixed(seconds, tenths_zero_padded_4) + " per mile\n";
}

}  // namespace

int run_pacecalc(int argc, char** argv, std::FILE* console)
{
    const RaceArguments race = read_race_arguments(argc, argv, console, usage_text, 3, 2);
    if (race.status != 0)
        return race.status;
    const double pace = total_minutes_of(race.time.text, race.time.colons) / race.miles;
    if (!std::isfinite(pace)) {
        write_crlf(console, out_of_range_message);
        return 5;
    }
    write_crlf(console, pace_line(pace));
    return 0;
}
