#include "core/astro/house_system.h"

namespace helion {

std::string_view houseSystemName(HouseSystem system) {
    switch (system) {
        case HouseSystem::Regiomontanus: return "Regiomontanus";
        case HouseSystem::Koch: return "Koch";
        case HouseSystem::Porphyry: return "Porphyry";
        case HouseSystem::Meridian: return "Meridian";
        case HouseSystem::Placidus: break;
    }
    return "Placidus";
}

std::optional<HouseSystem> houseSystemFromCode(char code) {
    switch (code) {
        case 'P': return HouseSystem::Placidus;
        case 'R': return HouseSystem::Regiomontanus;
        case 'K': return HouseSystem::Koch;
        case 'O': return HouseSystem::Porphyry;
        case 'M': return HouseSystem::Meridian;
        default: return std::nullopt;
    }
}

HouseSystem houseSystemFromOption(double option27) {
    if (option27 == 2.0) return HouseSystem::Regiomontanus;
    if (option27 == 3.0) return HouseSystem::Koch;
    if (option27 == 5.0) return HouseSystem::Porphyry;
    if (option27 == 8.0) return HouseSystem::Meridian;
    return HouseSystem::Placidus;
}

}  // namespace helion
