#pragma once
// The words the atlas uses for an offset: the number of hours as the input windows
// take it, the reason and the warnings.

#include <string>
#include <string_view>

#include "core/atlas/place_offset.h"

namespace helion {

// Hours with at most four decimals and no trailing zeros: "5", "-1", "5.5", "4.9333".
// Written with a point whatever the process locale.
std::string hoursText(double hours);

// "EDT, daylight saving time", "war time", "local mean time": the zone's abbreviation
// when it is a name (not a number such as "+0630"), then what kind of clock it was.
std::string reasonText(const PlaceOffset& offset);

// A warning in words; `zone` names the zone's main city in the warning for early dates.
std::string warningText(const OffsetWarning& warning, std::string_view zone);

// The message for a zone the computer's time-zone data does not hold.
std::string unknownZoneText(std::string_view zone);

}  // namespace helion
