#pragma once

#include <optional>
#include <string_view>

namespace helion {

// The five house systems, by their one-letter codes.
enum class HouseSystem : char {
    Placidus = 'P',
    Regiomontanus = 'R',
    Koch = 'K',
    Porphyry = 'O',
    Meridian = 'M',
};

std::string_view houseSystemName(HouseSystem system);
std::optional<HouseSystem> houseSystemFromCode(char code);
// The house system that option 27 of the options file selects at start-up.
HouseSystem houseSystemFromOption(double option27);

}  // namespace helion
