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
    int slotCount = 7;                  // S: slots per house (not `slots`, a Qt keyword)
    double spacing = 4.0;               // G: degrees between neighbouring slots
    std::array<int, 12> sectorStart{};  // houses 1..12
    std::array<int, 12> startRadius{};  // houses 1..12
    double innerRadius = 0.0;           // the band the ring's glyph stacks lie in
    double outerRadius = 0.0;
};

inline constexpr double kOuterCircle = 217.0;
inline constexpr double kHouseNumberInner = 40.0;  // house numbers lie between 40 and 62
inline constexpr double kHouseNumberOuter = 62.0;

// Cusp tables start at the 10th house: entry k holds the cusp of house ((k + 8) mod 12) + 1.
inline constexpr int cuspEntryOfHouse(int house) { return (house + 2) % 12 + 1; }
inline constexpr int houseOfCuspEntry(int entry) { return (entry + 8) % 12 + 1; }

// The equal-sector wheels draw house h's cusp line at this angle: house 1 at 180 degrees
// (left), the houses following counter-clockwise.
inline constexpr double equalSectorLineAngle(int house) { return 30.0 * ((house + 5) % 12); }

// The circles of a wheel kind, outermost first.
std::vector<double> wheelCircles(WheelKind kind);

// The radius where house lines start (they all end on the outer circle).
double houseLineStart(WheelKind kind);

// The rings in placement order: ring 1, then ring 0 (dual); ring 1, 0, 2 (triple).
std::vector<RingLayout> ringLayouts(WheelKind kind);

}  // namespace helion
