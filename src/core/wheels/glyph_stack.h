#pragma once
// One body's glyph stack: its glyph at the start radius, then its degrees, sign and
// minutes stepping inward along the drawing angle, ordered so that they read left to
// right on either side of the wheel.

#include <vector>

#include "core/wheels/display_list.h"
#include "core/wheels/glyph_spreading.h"
#include "core/wheels/wheel_style.h"

namespace helion {

// Normal order on the upper left and right of the wheel, reversed below (houses 4..8, or
// 3..7 with the narrower range of option 28); the European wheel decides by angle.
bool isReversedStack(const PlacedBody& body, bool european, bool narrowNormalRange);

struct StackCell {
    TextShape shape;  // anchored top-left
    TextBox box;      // the cell the element occupies
};

// The elements of a stack in drawing order; minutes are left out on triple wheels.
std::vector<StackCell> glyphStack(const PlacedBody& body, double longitude, bool reversed, bool withMinutes,
                                  const WheelStyle& style, const GlyphSizes& glyphs);

// The sign (1..12), whole degrees within it and whole minutes of a longitude.
struct ZodiacPosition {
    int sign = 1;
    int degrees = 0;
    int minutes = 0;
};
ZodiacPosition zodiacPosition(double longitude);

inline constexpr int kFirstPlanetGlyph = 223;  // + the point's number

constexpr int planetGlyph(Point point) { return kFirstPlanetGlyph + pointNumber(point); }
inline constexpr int kFirstSignGlyph = 191;  // + sign
inline constexpr int kCellGlyph = 228;       // planet cells are measured on Jupiter

}  // namespace helion
