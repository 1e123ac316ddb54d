#pragma once
// Where each ring of a wheel lies: its band between two circles, how many glyph slots a
// house offers, their angular spacing, and per house the angle of its sector's start and
// the radius at which glyph stacks start.

#include <array>
#include <vector>

#include "core/wheels/wheel_input.h"

namespace helion {

struct RingLayout {
    int ring = ring::Natal;
    int slots = 7;         // S: slots per house
    double spacing = 4.0;  // G: degrees between neighbouring slots
    std::array<int, 12> sectorStart{};  // houses 1..12
    std::array<int, 12> startRadius{};  // houses 1..12
    double innerRadius = 0.0;  // the band the ring's glyph stacks lie in
    double outerRadius = 0.0;
};

inline constexpr double kOuterCircle = 217.0;
inline constexpr double kHouseNumberInner = 40.0;  // house numbers lie between 40 and 62
inline constexpr double kHouseNumberOuter = 62.0;

// The circles of a wheel kind, outermost first.
std::vector<double> wheelCircles(WheelKind kind);

// The radius where house lines start (they all end on the outer circle).
double houseLineStart(WheelKind kind);

// The rings in placement order: ring 1, then ring 0 (dual); ring 1, 0, 2 (triple).
std::vector<RingLayout> ringLayouts(WheelKind kind);

}  // namespace helion
