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

struct WheelDrawing {
    WheelKind kind = WheelKind::Single;
    ChartType chartType = ChartType::American;  // European only on a single wheel
    std::int16_t scale = 0;                     // the start scale drawn with
    WheelFrame frame;
    int background = 15;
    std::vector<RingDrawing> rings;  // in placement order
    std::vector<WheelPrimitive> primitives;
};

WheelDrawing buildWheel(const WheelInput& input);

}  // namespace helion
