#pragma once
// The spread layout of one ring's glyph stacks: every stack as close to its body's exact
// place on the wheel as its neighbours allow, instead of in the fixed slots of a house.
//
// What it guarantees, for the cells `StackCells` measures:
// - no two stacks of the ring touch: seen from the centre their cells cover disjoint
//   angles, or they lie in different rows, which cover disjoint radii;
// - every cell lies inside the ring's band, clear of both circles by `kCircleClearance`
//   (the inner clearance leaves room for the pointer ticks on the inner circle);
// - no house line runs through a stack: a stack stays inside its body's house (a body on
//   a cusp included: its stack moves just past the line into its own house);
// - the stacks keep the zodiacal order of their bodies along the ring;
// - within these limits the stacks of a house lie as near their exact angles as possible,
//   in least squares, so a cluster spreads symmetrically about its centre.
// A house too narrow for one row of its stacks alternates them between two rows, when the
// band holds two. Failing that it shares a neighbouring house's room: the stacks still
// keep to one side of the line between the two houses, but the last (or first) of them
// may stand wholly in the neighbour, its pointer crossing over to its body (up to four
// houses join). Only when that fails too do the ring's stacks spread over the whole ring
// regardless of the house lines (`leftHouses`), still apart and in order.

#include <functional>
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
    int point = 0;
    int house = 0;
    double exactAngle = 0.0;
};

struct SpreadStack {
    int point = 0;
    double exactAngle = 0.0;
    double angle = 0.0;   // the stack's drawing angle
    double radius = 0.0;  // its start radius
    int row = 0;          // 0 at the outer circle, 1 the inner row of a crowded house
    bool leftHouses = false;
};

std::vector<SpreadStack> spreadRing(std::span<const SpreadBody> bodies, const SpreadRing& ring,
                                    const StackCells& cells);

// The drawing angle of a longitude in a house whose line lies at `lineAngle` and which
// the wheel draws `sectorArc` degrees wide for its `houseArc` degrees of zodiac.
double exactSectorAngle(double longitude, double cusp, double houseArc, double lineAngle, double sectorArc);

// The pointer of a stack: a tick on the inner circle at the exact angle and, when the
// stack was moved, a line from the tick to the nearest point of the stack's cells.
void appendPointer(std::vector<WheelPrimitive>& out, const SpreadStack& stack, double innerRadius,
                   std::span<const StackCell> cells, int colour);

}  // namespace helion
