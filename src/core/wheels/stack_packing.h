#pragma once
// Packs the glyph stacks of one stretch of a ring, between two lines seen from the centre,
// in the order of their bodies: each stack's cells cover angles clear of its neighbours'
// and of both lines, as near its body's angle as the others allow.

#include <array>
#include <functional>
#include <limits>
#include <span>
#include <vector>

#include "core/wheels/glyph_stack.h"

namespace helion {

inline constexpr double kCircleClearance = 1.5;  // wheel units between a stack and its ring's circles
inline constexpr double kPointerTick = 4.0;      // length of the tick on the ring's inner circle

// The cells of a stack drawn at a body's angle and start radius.
using StackCells = std::function<std::vector<StackCell>(const PlacedBody&)>;

struct SpreadRing {
    double innerRadius = 0.0;
    double outerRadius = 0.0;
    // Houses 1..12: the drawing angle of the line that opens house h, as drawn; house h
    // runs counter-clockwise to the line of house h + 1.
    std::array<double, 13> houseLine{};
};

// A body to place: its house and where its longitude lies on the wheel.
struct SpreadBody {
    Point point = Point::Sun;
    int house = 0;
    double exactAngle = 0.0;
};

// A stack being packed; angles are degrees past the stretch's first line.
struct Item {
    SpreadBody body;
    double target = 0.0;    // where its body lies
    double position = 0.0;  // where the stack is drawn
    double before = -std::numeric_limits<double>::infinity();
    double after = -std::numeric_limits<double>::infinity();
    double radius = 0.0;
    int row = 0;
};

// Degrees a stack may stand from its body before a second row or a neighbouring house's
// room is tried, and how much more a degree beyond that weighs than one within it.
inline constexpr double kFarthest = 8.0;
inline constexpr double kBeyondWeight = 100.0;

// The start radius of a stack in the outer row: its farthest cell just inside the outer circle.
double outerRowRadius(PlacedBody body, const SpreadRing& ring, const StackCells& cells);

// The body an item stands for, drawn from the line at `line`.
PlacedBody bodyOf(const Item& item, double line);

// The squared displacements of stacks packed from `line`, a stack beyond kFarthest
// counting much more; and whether none is beyond it.
double costOf(const std::vector<Item>& items, double line);
bool withinReach(const std::vector<Item>& items, double line);

// Packs `items` between `line` and `span` degrees past it: in one row when that keeps every
// stack within reach, else in the cheaper of one row and two alternating rows that cover
// disjoint radii; false when neither fits the band.
bool placeSide(std::vector<Item>& items, double line, double span, const SpreadRing& ring, const StackCells& cells);

}  // namespace helion
