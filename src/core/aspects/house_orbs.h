#pragma once
// The natal orbs of the five aspect groups by the house class of a body: a body in an
// angular house sees its aspects widest, one in a cadent house narrowest, and the
// Sun and the Moon wider than the other bodies.

#include <array>

namespace helion {

enum class HouseClass { Cadent = 0, Succedent = 1, Angular = 2 };

// The house number modulo 3: remainder 1 angular, 2 succedent, 0 cadent (so is "no house").
constexpr HouseClass houseClassOf(int house) {
    switch (house % 3) {
        case 1: return HouseClass::Angular;
        case 2: return HouseClass::Succedent;
        default: return HouseClass::Cadent;
    }
}

// Orbs in whole degrees of the groups 1 semi-sextile and quincunx, 2 semi-square and
// sesquiquadrate, 3 sextile, 4 square and trine, 5 conjunction and opposition.
using GroupOrbs = std::array<int, 5>;

struct HouseClassOrbs {
    GroupOrbs plain;
    GroupOrbs luminary;  // the Sun and the Moon
};

// Indexed by HouseClass.
inline constexpr std::array<HouseClassOrbs, 3> kHouseClassOrbs{{
    {{1, 3, 5, 6, 8}, {2, 4, 6, 8, 11}},     // cadent
    {{2, 4, 6, 8, 10}, {3, 5, 7, 10, 13}},   // succedent
    {{3, 5, 7, 10, 12}, {4, 6, 8, 12, 15}},  // angular
}};

constexpr const HouseClassOrbs& orbsOfHouseClass(HouseClass houseClass) {
    return kHouseClassOrbs[static_cast<std::size_t>(houseClass)];
}

}  // namespace helion
