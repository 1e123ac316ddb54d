#pragma once
// The one-line verdicts that the progression and transit reports print for a pair of
// bodies: an aspect by the fixed one-degree orb, or a parallel.

#include <optional>
#include <string>

namespace helion {

// The aspect line for body `first` (of the moving chart, named first) and body `second`,
// given the signed difference of their longitudes, first minus second (-360..360).
// Nothing when they form no aspect. The printed distance is positive while the first
// body, moving forward through the zodiac, has yet to reach the exact angle and
// negative once it has passed it.
std::optional<std::string> aspectLine(int first, int second, double longitudeDifference);

// The parallel or contraparallel line for two bodies, or nothing when their absolute
// declinations differ by more than the orb.
std::optional<std::string> parallelLine(int first, int second, double declinationFirst,
                                        double declinationSecond, float parallelOrb);

}  // namespace helion
