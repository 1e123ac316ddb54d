#pragma once
// What the wheel tells about a glyph stack pointed at: the body, its exact place in its
// sign, whether it moves backwards, its declination, its house and the aspects the wheel's
// aspect list gives it, each with its orb.

#include <string>

#include "core/wheels/aspect_list.h"
#include "core/wheels/wheel_drawing.h"
#include "core/wheels/wheel_modes.h"

namespace helion {

struct StackFacts {
    Point point = Point::Sun;
    double longitude = 0.0;
    double declination = 0.0;
    bool retrograde = false;
    int house = 0;
};

// `fromNatal`: the body belongs to the list's natal chart (its aspects go to the second
// chart's bodies), otherwise to the second chart (aspects to the natal chart's bodies);
// no aspects without a list. Lines end in "\n" except the last.
std::string stackDescription(const StackFacts& facts, const AspectListInput* aspects, bool fromNatal);

// The description of a stack of `drawing`, drawn for `arrangement` from `charts`, with the
// aspects of the wheel's aspect list under `orbs` (none for the triple wheel's outer charts,
// which the list does not pair).
std::string describeStack(const StackEntry& stack, const WheelDrawing& drawing, const WheelArrangement& arrangement,
                          const ChartTables& charts, const OrbTable& orbs);

}  // namespace helion
