#pragma once
// The long point names ("SUN" .. "PLUTO", "MOON", "N. NODE", "S. NODE", "PART F.", "ASC",
// "MC "), of which the aspect grid prints the first 3 characters and the summary table
// the first 7.

#include <array>
#include <string>
#include <string_view>

namespace helion {

inline constexpr std::array<std::string_view, 15> kPointFullNames{"SUN",     "MERCURY", "VENUS",   "MARS",  "JUPITER",
                                                                  "SATURN",  "URANUS",  "NEPTUNE", "PLUTO", "MOON",
                                                                  "N. NODE", "S. NODE", "PART F.", "ASC",   "MC "};

// Point p (1 Sun .. 15 Midheaven); empty outside 1..15.
constexpr std::string_view pointFullName(int point) {
    return point >= 1 && point <= 15 ? kPointFullNames[static_cast<std::size_t>(point - 1)] : std::string_view{};
}

// The first `width` characters of the full name, blank-padded to exactly `width`.
std::string pointNameInWidth(int point, std::size_t width);

}  // namespace helion
