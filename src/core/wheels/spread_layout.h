#pragma once
// The spread layout of one ring's glyph stacks: every stack as close to its body's exact
// place on the wheel as its neighbours allow, instead of in the fixed slots of a house.
//
// What it guarantees, for the cells `StackCells` measures:
// - no two stacks of the ring touch: seen from the centre their cells cover disjoint
//   angles, or they lie in different rows, which cover disjoint radii;
// - every cell lies inside the ring's band, clear of both circles by `kCircleClearance`
//   (the inner clearance leaves room for the pointer ticks on the inner circle);
// - no house line runs through a stack: each stack stands wholly in one house's sector,
//   its body's own or, when houses share their room, a neighbour's (a body on a cusp
//   included: its stack moves just past the line);
// - the stacks keep the zodiacal order of their bodies along the ring;
// - a stack stands within `kFarthest` degrees of its body whenever one row, two rows or
//   the room of up to two neighbouring houses allow it; among the placements that fit, the
//   one with the least squared displacements wins, a degree beyond `kFarthest` weighing a
//   hundred times more, so a cluster spreads symmetrically about its centre.
// Only the bands of the outer rings hold two rows of the single wheel's stacks; the thin
// bands of the dual and triple wheels' inner rings hold one, so there a cluster wider than
// its stacks (six bodies within 10 degrees) spreads further along the ring. Only when no
// grouping of houses holds a ring's stacks do they spread over the whole ring regardless of
// the house lines (`leftHouses`), still apart and in order.

#include <span>
#include <vector>

#include "core/wheels/stack_packing.h"

namespace helion {

struct SpreadStack {
    Point point = Point::Sun;
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
