#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace helion {

// The house systems, by their one-letter codes.
enum class HouseSystem : char {
    Placidus = 'P',
    Regiomontanus = 'R',
    Koch = 'K',
    Porphyry = 'O',
    Meridian = 'M',
    Equal = 'E',
    WholeSign = 'W',
    Campanus = 'C',
    Alcabitius = 'B',
    Topocentric = 'T',
};

// How many house systems there are.
inline constexpr std::size_t kHouseSystemCount = 10;

std::string_view houseSystemName(HouseSystem system);
std::optional<HouseSystem> houseSystemFromCode(char code);
// The house system that option 27 selects; an unknown value means Placidus.
HouseSystem houseSystemFromOption(double option27);
// Systems refused above 66 degrees of latitude. Placidus, Koch and Topocentric divide
// the day and night arcs of ecliptic points, which beyond the polar circles some points
// lack (they never rise or never set); Regiomontanus and Porphyry have always been held
// to the same limit. The other systems are defined at every latitude.
bool houseSystemLimitedToPolarCircles(HouseSystem system);

}  // namespace helion
