#pragma once
// The long point names ("SUN" .. "PLUTO", "MOON", "N. NODE", "S. NODE", "PART F.", "ASC",
// "MC "), of which the aspect grid prints the first 3 characters and the summary table
// the first 7.

#include <array>
#include <string>
#include <string_view>

#include "core/astro/points.h"

namespace helion {

inline constexpr PointArray<std::string_view> kPointFullNames{{"SUN", "MERCURY", "VENUS", "MARS", "JUPITER", "SATURN",
                                                               "URANUS", "NEPTUNE", "PLUTO", "MOON", "N. NODE",
                                                               "S. NODE", "PART F.", "ASC", "MC "}};

constexpr std::string_view pointFullName(Point point) { return kPointFullNames[point]; }

// The first `width` characters of the full name, blank-padded to exactly `width`.
std::string pointNameInWidth(Point point, std::size_t width);

}  // namespace helion
