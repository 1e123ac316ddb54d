#pragma once
// The wheel's coordinate system: its half-width in wheel units (the start scale) and the
// part of the plane a window or a printed page shows.

#include <cstdint>

#include "core/wheels/display_list.h"
#include "core/wheels/wheel_input.h"

namespace helion {

// A window at least as wide as tall shows 225 units above and below the centre; a
// taller one 244 units left and right.
std::int16_t resizedStartScale(int innerWidth, int innerHeight);

// The half-width of a full printed page: the European single wheel needs more room for
// its labels.
std::int16_t printedStartScale(WheelKind kind, ChartType chartType);

WheelFrame screenFrame(double startScale, int innerWidth, int innerHeight);

// The page puts the wheel's centre 16 units left of and 67 units above its middle.
WheelFrame printerFrame(double startScale);

}  // namespace helion
