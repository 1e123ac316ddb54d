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

// The wheel's units follow the window's size, its fonts do not: on a window resized past
// its start-up drawing area the text grows by the smaller of the two ratios, so that a large
// wheel is not a large circle of small glyphs. At the start-up size and below it is 1.
double wheelTextScale(int innerWidth, int innerHeight, int startupInnerWidth, int startupInnerHeight);

// On paper the wheel's vertical distances are drawn at this fraction of the horizontal
// ones, and the page's scale stretches them back: circles stay round and house lines end
// on them.
inline constexpr double kPrinterVerticalFactor = 0.9675;

// The part of the plane a printed page's printable area of `pageWidth` x `pageHeight`
// device pixels shows: at least `startScale` units either side of the wheel's centre and
// 1.25 times that above and below it, the rest of the paper added along its longer side
// so that one unit across is one unit up divided by the vertical factor. On Letter paper
// that is just the minimum; the wheel's centre lies 16 units left of and 67 units above
// the middle of the printable area on every paper.
WheelFrame printerFrame(double startScale, double pageWidth, double pageHeight);

}  // namespace helion
