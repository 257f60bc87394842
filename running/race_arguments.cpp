#include "race_arguments.hpp"

#include "crlf_output.hpp"
#include "read_distance.hpp"

RaceArguments read_race_arguments(int argc, char** argv, std::FILE* console,
                                  std::string (*usage_text)(const std::string& program),
                                  std::size_t min_time_length, int max_colons)
{
    RaceArguments race{0, 0.0, {}};
    if (argc < 3) {
        write_crlf(console, usage_text(argc > 0 && argv[0] != nullptr ? argv[0] : ""));
        race.status = 1;
        return race;
    }
    const DistanceResult distance = read_distance(argv[1]);
    if (distance.status != 0) {
        write_crlf(console, distance.message);
        race.status = distance.status;
        return race;
    }
    race.miles = distance.miles;
    race.time = read_time_argument(argv[2], min_time_length, max_colons);
    if (!race.time.refusal.empty()) {
        write_crlf(console, race.time.refusal);
        race.status = 4;
    }
    return race;
}
