#pragma once
// The fixed-width name fields that reports print: each table is one string of equal
// fields, and an index outside the table gives a blank field of the same width.

#include <cstddef>
#include <string_view>

#include "core/astro/points.h"

namespace helion {

namespace detail {
constexpr std::string_view fixedField(std::string_view table, std::size_t width, int index) {
    const std::size_t fields = table.size() / width;
    constexpr std::string_view kBlanks = "          ";
    if (index < 1 || static_cast<std::size_t>(index) > fields) return kBlanks.substr(0, width);
    return table.substr((static_cast<std::size_t>(index) - 1) * width, width);
}
}  // namespace detail

inline constexpr std::string_view kPlanetNames =
    "SUN       MERCURY   VENUS     MARS      JUPITER   SATURN    URANUS    NEPTUNE   "
    "PLUTO     MOON      N. NODE   S. NODE   P. OF F.  ASC       MC        ";
inline constexpr std::string_view kSignAbbreviations = "ARITAUGEMCANLEOVIRLIBSCOSAGCPRAQUPIS";
inline constexpr std::string_view kMonthAbbreviations = "JANFEBMARAPRMAYJUNJULAUGSEPOCTNOVDEC";

static_assert(kPlanetNames.size() == 15 * 10);
static_assert(kSignAbbreviations.size() == 12 * 3);
static_assert(kMonthAbbreviations.size() == 12 * 3);

// A point's name in 10 characters, trailing blanks included.
constexpr std::string_view planetName(Point point) { return detail::fixedField(kPlanetNames, 10, pointNumber(point)); }

// Sign s (1 Aries .. 12 Pisces) in 3 capitals.
constexpr std::string_view signAbbreviation(int sign) { return detail::fixedField(kSignAbbreviations, 3, sign); }

// Month m (1 January .. 12 December) in 3 capitals.
constexpr std::string_view monthAbbreviation(int month) { return detail::fixedField(kMonthAbbreviations, 3, month); }

}  // namespace helion
