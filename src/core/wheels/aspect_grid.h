#pragma once
// The aspect grid printed beside a full-page wheel: a header row and column of body glyphs
// (the listed bodies, the first chart down the left, the second chart across the top) and
// in each cell the glyph of the aspect between the two. A single chart fills only the cells
// below the diagonal, as each pair appears there once.

#include <vector>

#include "core/wheels/aspect_list.h"
#include "core/wheels/display_list.h"
#include "core/wheels/wheel_drawing.h"

namespace helion {

// The grid's top-left corner and cell size in printer wheel units, and its glyph size in
// points: option entries 181, 182, 183 and 184 when set (not 0), otherwise the lower right
// corner of the page below the wheel.
struct AspectGridLayout {
    WheelPoint topLeft;
    double cell = 0.0;
    double glyphSize = 0.0;
};

AspectGridLayout aspectGridLayout(const OptionValues& options, const WheelFrame& page, double planetGlyphSize);

void appendAspectGrid(std::vector<WheelPrimitive>& out, const AspectListInput& charts, const AspectGridLayout& layout);

// A full printed page carries the grid when option entry 178 asks for it, except beside a
// triple wheel.
void appendPrintedAspectGrid(WheelDrawing& page, const OptionValues& options, const AspectListInput& charts);

}  // namespace helion
