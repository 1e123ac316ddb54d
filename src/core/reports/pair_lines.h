#pragma once
// The one-line verdicts that the reports print for a pair of bodies: an aspect with its
// signed distance from exact, or a parallel.

#include <optional>
#include <string>

#include "core/astro/points.h"
#include "core/config/aspect_orbs.h"

namespace helion {

// Whether the distance from exact is printed negated, given the signed difference of the
// longitudes, first minus second. The classifier's distance (separation minus angle)
// grows as the first body moves on when it lies less than half a circle ahead of the
// second; negating it there makes "not yet reached" positive and "passed" negative.
bool firstBodyIsAhead(double longitudeDifference);

// "  SUN           Trine           MOON           0.4 degrees": the distance in "0.0",
// one blank fewer before a minus sign so that the digits line up.
std::string aspectLineText(Point first, Aspect aspect, Point second, double distance);

// "  SUN           C.Parallel    MOON           0.5 degrees".
std::string parallelLineText(Point first, Point second, bool contra, double difference);

// The aspect line for body `first` (of the moving chart, named first) and body `second`
// by the fixed one-degree orb, given the signed difference of their longitudes, first
// minus second (-360..360). Nothing when they form no aspect. The printed distance is
// positive while the first body, moving forward through the zodiac, has yet to reach
// the exact angle and negative once it has passed it.
std::optional<std::string> aspectLine(Point first, Point second, double longitudeDifference);

// The parallel or contraparallel line for two bodies, or nothing when their absolute
// declinations differ by more than the orb.
std::optional<std::string> parallelLine(Point first, Point second, double declinationFirst, double declinationSecond,
                                        float parallelOrb);

}  // namespace helion
