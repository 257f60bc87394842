#include "finishcalc.hpp"

#include "crlf_output.hpp"
#include "number_printer.hpp"
#include "race_arguments.hpp"

#include <cmath>
#include <string>
#include <string_view>

namespace {

std::string usage_text(const std::string& program)
{
    return "finishcalc - finish time of a race run at a given pace per mile\n" +
           std::string(banner_tail) + "Usage: " + program +
           " distance pace\n"
           "distance in miles (default, eg, 10 or 10m) or kilometers (eg, 8k)\n"
           "Use just h for half marathon, just m for marathon\n"
           "pace in mins:secs, eg, 5:04, 11:00\n"
           "Example: 5k race at 7 mins, 30 secs is\n" +
           program +
           " 5k 7:30\n"
           "Example: 10 mile race at 6 mins flat is\n" +
           program +
           " 10 6:00\n"
           "Example: marathon at 8 mins 5 secs is\n" +
           program + " m 8:05\n";
}

// The result line: hours, minutes and seconds split off the total by fmod, nothing rounded
// before printing. Under an hour prints minutes:seconds, otherwise also the whole minutes.
std::string finish_time_line(double total_minutes)
{
    const double remainder = std::fmod(total_minutes, 60.0);
    const double hours = (total_minutes - remainder) * one_sixtieth;
    const double fraction = std::fmod(remainder, 1.0);
    const double minutes = remainder - fraction;
    const double seconds = fraction * 60.0;
    const std::string seconds_text = format_fixed(seconds, tenths_zero_padded_4);
    if (hours == 0.0)
        return "\nFinish time is " + format_fixed(minutes, whole_number) + ":" + seconds_text +
               "\n";
    return "\nFinish time is " + format_fixed(hours, whole_number) + ":" +
           format_fixed(minutes, whole_zero_padded_2) + ":" + seconds_text + ", or " +
           format_fixed(hours * 60.0 + minutes, whole_space_padded_2) + ":" + seconds_text + "\n";
}

}  // namespace

int run_finishcalc(int argc, char** argv, std::FILE* console)
{
    // No colon: the whole pace is seconds. One colon: minutes, then seconds.
    const RaceArguments race = read_race_arguments(argc, argv, console, usage_text, 2, 1);
    if (race.status != 0)
        return race.status;
    const TimeArgument& pace = race.time;
    const bool has_minutes = pace.colons.count == 1;
    const double pace_minutes = has_minutes ? piece_value(pace.text, 0) : 0.0;
    const double pace_seconds = piece_value(pace.text, has_minutes ? pace.colons.first + 1 : 0);
    const double total_minutes = (pace_seconds * one_sixtieth + pace_minutes) * race.miles;
    if (!std::isfinite(total_minutes)) {
        write_crlf(console, out_of_range_message);
        return 5;
    }
    write_crlf(console, finish_time_line(total_minutes));
    return 0;
}
