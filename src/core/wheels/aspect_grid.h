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

// How the grid is drawn, from option entries 181 to 189; an entry left at 0 keeps the
// value in brackets:
//   181, 182  top-left corner, in printer wheel units (in the page's lower right corner,
//             `pageMargin` from its right and bottom edges, under the wheel)
//   183       cell size, in wheel units (13)
//   184, 185  body and aspect glyph sizes, in points (the printed planet glyph size)
//   186, 187, 188  colours of the grid lines, body glyphs and aspect glyphs (grey, black, black)
//   189       the margin of the automatically placed grid, in wheel units (6)
struct AspectGridLayout {
    WheelPoint topLeft;
    double cell = 0.0;
    double bodyGlyphSize = 0.0;
    double aspectGlyphSize = 0.0;
    int lineColour = 8;
    int bodyColour = 0;
    int aspectColour = 0;
};

AspectGridLayout aspectGridLayout(const OptionValues& options, const WheelFrame& page, double planetGlyphSize);

void appendAspectGrid(std::vector<WheelPrimitive>& out, const AspectListInput& charts, const AspectGridLayout& layout);

// A full printed page carries the grid when option entry 178 asks for it, except beside a
// triple wheel; the grid's orbs come from the current orb file, and a page whose orb file
// cannot be read goes without it.
bool printedPageHasAspectGrid(const OptionValues& options, WheelKind kind);
void appendPrintedAspectGrid(WheelDrawing& page, const OptionValues& options, const AspectListInput& charts);

}  // namespace helion
