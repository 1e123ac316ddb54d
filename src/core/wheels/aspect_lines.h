#pragma once
// Aspect lines inside the single wheel: a chord between two bodies' glyph angles for
// each major aspect among the Sun, Moon and planets, with the aspect's glyph on it.

#include <optional>
#include <utility>
#include <vector>

#include "core/wheels/display_list.h"
#include "core/wheels/glyph_spreading.h"
#include "core/wheels/wheel_style.h"

namespace helion {

// The aspect a line is drawn for (sextile, square, trine, opposition or quincunx, with
// the options' report orbs), nothing otherwise.
std::optional<Aspect> lineAspect(double separation, const OptionValues& options);

// One line per ordered pair with an aspect, each followed by its glyph; a conjunction draws
// none. Returns the two bodies of each line appended, in order.
std::vector<std::pair<Point, Point>> appendAspectLines(std::vector<WheelPrimitive>& out, const RingPlacement& placement,
                                                       const RingChart& chart, const OptionValues& options,
                                                       const WheelStyle& style);

}  // namespace helion
