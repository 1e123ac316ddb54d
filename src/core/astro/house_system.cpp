#include "core/astro/house_system.h"

#include <algorithm>

namespace helion {
namespace {

struct HouseSystemEntry {
    HouseSystem system;
    std::string_view name;
    double option27;
};

// The older systems keep their option values; the newer ones take values no older
// options file uses, so such a file still starts with the system it named.
constexpr HouseSystemEntry kEntries[kHouseSystemCount] = {
    {HouseSystem::Placidus, "Placidus", 1.0},
    {HouseSystem::Regiomontanus, "Regiomontanus", 2.0},
    {HouseSystem::Koch, "Koch", 3.0},
    {HouseSystem::Porphyry, "Porphyry", 5.0},
    {HouseSystem::Meridian, "Meridian", 8.0},
    {HouseSystem::Equal, "Equal", 9.0},
    {HouseSystem::WholeSign, "Whole Sign", 10.0},
    {HouseSystem::Campanus, "Campanus", 11.0},
    {HouseSystem::Alcabitius, "Alcabitius", 12.0},
    {HouseSystem::Topocentric, "Topocentric", 13.0},
};

}  // namespace

std::string_view houseSystemName(HouseSystem system) {
    const auto* found = std::find_if(std::begin(kEntries), std::end(kEntries),
                                     [system](const HouseSystemEntry& e) { return e.system == system; });
    return found == std::end(kEntries) ? kEntries[0].name : found->name;
}

std::optional<HouseSystem> houseSystemFromCode(char code) {
    for (const HouseSystemEntry& e : kEntries) {
        if (static_cast<char>(e.system) == code) return e.system;
    }
    return std::nullopt;
}

HouseSystem houseSystemFromOption(double option27) {
    for (const HouseSystemEntry& e : kEntries) {
        if (e.option27 == option27) return e.system;
    }
    return HouseSystem::Placidus;
}

bool houseSystemLimitedToPolarCircles(HouseSystem system) {
    switch (system) {
        case HouseSystem::Placidus:
        case HouseSystem::Regiomontanus:
        case HouseSystem::Koch:
        case HouseSystem::Porphyry:
        case HouseSystem::Topocentric: return true;
        case HouseSystem::Meridian:
        case HouseSystem::Equal:
        case HouseSystem::WholeSign:
        case HouseSystem::Campanus:
        case HouseSystem::Alcabitius: break;
    }
    return false;
}

}  // namespace helion
