#pragma once
// Drawing angles of the European single wheel, where houses have their true sizes and
// each glyph stack points at its body's real longitude as far as neighbours allow.

#include "core/astro/house_system.h"
#include "core/wheels/glyph_spreading.h"

namespace helion {

// The longitude the European wheel draws at 0 degrees (to the right), opposite the
// Ascendant: the 7th cusp, or in Whole Sign houses, whose 7th cusp opens the Descendant's
// sign, the Descendant itself.
double europeanDescendant(const CuspTable& cusp, HouseSystem system, double ascendant);

// The angle of a longitude on the European wheel: the Descendant at 0 degrees, so the
// Ascendant lies at 180 (to the left) whatever its longitude.
double europeanAngle(double longitude, double descendant);

// The least angle between neighbouring stacks: the wheel's slot spacing, or more when the
// planet cell's diagonal needs more at the innermost start radius.
double europeanSpacing(double slotSpacing, TextBox planetCell, double innermostStart);

// Gives the placed, drawn bodies of `placement` their European angles and start radii.
//
// Within each house the stacks keep their longitude order and are pushed apart to at
// least `spacing` degrees, and every stack keeps half a spacing clear of both cusp lines
// of its house, the Ascendant-Descendant horizontal included; so stacks on either side of
// a cusp line are also a full spacing apart. A house too narrow for its stacks spreads
// them evenly between its cusp lines instead: order and house are kept, the spacing is
// then the house arc divided by one more than the number of stacks.
void applyEuropeanAngles(RingPlacement& placement, const RingChart& chart, const CuspTable& cusp, double descendant,
                         double spacing, std::span<const std::int16_t> glyphRadii, const RingLayout& layout);

}  // namespace helion
