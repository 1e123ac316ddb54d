#pragma once
// A wheel's display list as JSON, so that a wheel can be checked without its pixels.

#include <string>

#include "core/wheels/wheel_drawing.h"

namespace helion::cli {

// Keys: kind, chart_type, scale, frame, background, rings (ring and, for points 1..15,
// point, house, slot or null, angle, radius, drawn) and primitives in drawing order.
std::string wheelJson(const WheelDrawing& drawing);

}  // namespace helion::cli
