#pragma once
// The spreading rule that gives every body of a ring a slot in its house, so that the
// glyph stacks of a crowded house fan out instead of piling up, and the drawing angle
// and start radius that slot stands for.

#include <array>
#include <optional>

#include "core/wheels/ring_layout.h"
#include "core/wheels/wheel_input.h"

namespace helion {

struct PlacedBody {
    Point point = Point::Sun;
    int house = 0;
    std::optional<int> slot;  // none when the body was left out of a crowded house
    double angle = 0.0;       // drawing angle, degrees counter-clockwise from the +x axis
    double radius = 0.0;      // where the glyph stack starts
    bool drawn = false;       // the nodes and the Part of Fortune take slots but are not drawn
};

using RingPlacement = PointArray<PlacedBody>;

// The cusp longitude of house h (1..12) in a cusp table that starts at the 10th house.
double cuspOfHouse(const CuspTable& cusp, int house);

// The arc of house h up to the next cusp; an arc of 277.5 degrees or more is a house
// that lost its cusp order and counts as 7.5 degrees.
double houseArc(const CuspTable& cusp, int house);

// Slots for the points of one ring, in the houses of the natal cusps.
PointArray<std::optional<int>> allocateSlots(const RingChart& chart, const CuspTable& cusp, int slotCount);

// Slot allocation with the equal-sector angles and radii of the layout. `glyphRadii` is
// the per-degree radius table of the natal ring; without it the natal ring interpolates
// its house radii as the other rings do.
RingPlacement placeRing(const RingChart& chart, const CuspTable& cusp, const RingLayout& layout,
                        std::span<const std::int16_t> glyphRadii);

// The start radius at a glyph angle from the per-degree table, if it has the entry.
std::optional<double> tableRadius(std::span<const std::int16_t> glyphRadii, double angle);

bool isDrawnBody(Point point);

}  // namespace helion
