#pragma once
// The present moment as the input windows fill it in: the clock's Universal Time turned
// into the local date and time of the zone the window shows, whatever zone the computer's
// own clock is set to.

#include <chrono>
#include <string_view>

#include "core/input/input_window_logic.h"

namespace helion {

// The date and time at a zone of `zoneHoursWest` hours (west of Greenwich positive, so
// local time = Universal Time - zone), to the second. Fractional zones move the minutes.
LocalMoment momentInZone(std::chrono::sys_seconds universal, double zoneHoursWest);

// The same for the text of a zone box, read by the leading-number rule ("" is zone 0).
LocalMoment momentInZone(std::chrono::sys_seconds universal, std::string_view zoneText);

}  // namespace helion
