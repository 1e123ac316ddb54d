#pragma once
// The two title blocks printed beside a wheel: the chart drawn as the natal ring, then
// the diurnal data with the line that says which ring shows what.

#include <array>
#include <string>

#include "core/chart/chart_tables.h"
#include "core/wheels/wheel_input.h"

namespace helion {

// Seven lines: `firstLine`, the date, the local time with its zone, the longitude, the
// latitude; lines 6 and 7 are left empty for the caller.
std::array<std::string, 7> placeTitleLines(const ChartInput& input, std::string firstLine);

// The block of the chart on the natal ring: name + " - natal", date, time, place, the
// sidereal time of its houses and the house system.
std::array<std::string, 7> natalTitleLines(const ChartInput& input, const std::string& name, int siderealSeconds,
                                           HouseSystem system);

}  // namespace helion
