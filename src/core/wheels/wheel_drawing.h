#pragma once
// Builds the complete display list of a wheel for the screen or the printer: circles and
// house lines, house numbers, cusp labels, intercepted signs, the glyph stacks of every
// ring, the aspect lines of the single wheel and the two title blocks.

#include <cstdint>
#include <vector>

#include "core/wheels/display_list.h"
#include "core/wheels/glyph_spreading.h"
#include "core/wheels/wheel_input.h"

namespace helion {

struct RingDrawing {
    int ring = ring::Natal;
    RingPlacement bodies{};
};

// One drawn glyph stack, so that a pointer, the SVG titles and the JSON find it again.
struct StackEntry {
    int ring = ring::Natal;
    Point point = Point::Sun;
    double longitude = 0.0;
    double exactAngle = 0.0;  // where the longitude lies on the wheel
    double angle = 0.0;       // where the stack is drawn
    int row = 0;              // 1: the inner row of a crowded house (spread layout)
    bool squeezed = false;    // a house too full even for two rows (spread layout)
    WheelBox box;             // the whole stack as drawn
    std::vector<WheelBox> cells;
};

// An aspect line of the single wheel: the line at `primitive`, its glyph right after it.
struct AspectLineEntry {
    std::size_t primitive = 0;
    Point first = Point::Sun;
    Point second = Point::Sun;
};

struct WheelDrawing {
    WheelKind kind = WheelKind::Single;
    ChartType chartType = ChartType::American;  // European only on a single wheel
    std::int16_t scale = 0;                     // the start scale drawn with
    WheelLayout layout = WheelLayout::Classic;
    WheelFrame frame;
    int background = 15;
    std::vector<RingDrawing> rings;  // in placement order
    std::vector<StackEntry> stacks;  // in drawing order
    std::vector<AspectLineEntry> aspectLines;
    std::vector<WheelPrimitive> primitives;
};

WheelDrawing buildWheel(const WheelInput& input);

// The stack drawn over `at`, if any.
const StackEntry* stackAt(const WheelDrawing& drawing, WheelPoint at);

// Leaves the aspect lines of `point` and their glyphs as they are and draws the others
// in `dimColour`.
void dimAspectLinesExcept(WheelDrawing& drawing, Point point, int dimColour);

}  // namespace helion
