#pragma once
// The time-zone offset of a place at a local date and clock time, and why: which of
// the zone's clocks was in force (standard time, daylight saving time, war time, double
// summer time, or local mean time before the zone had a standard time), and the
// warnings where the answer is uncertain.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/atlas/local_moment.h"
#include "core/atlas/zone_history.h"

namespace helion {

enum class ClockKind {
    LocalMeanTime,  // before the zone's first standard offset: the place's own mean solar time
    CityMeanTime,   // the mean solar time of a city of the zone, kept before standard time
    StandardTime,
    DaylightSaving,
    WarTime,           // daylight saving kept during the Second World War
    DoubleSummerTime,  // two hours ahead of standard time
    WinterTime,        // a negative daylight saving, set back from standard time in winter
};

enum class OffsetWarningKind {
    DoesNotExist,  // the clocks jumped forward over this time: both offsets are the candidates
    HappensTwice,  // the clocks were set back over this time: earlier and later offsets
    Before1970,    // the zone's history away from its main city may not hold
};

struct OffsetWarning {
    OffsetWarningKind kind;
    double earlierHoursWest = 0.0;  // the offset before the change (DoesNotExist, HappensTwice)
    double laterHoursWest = 0.0;    // the offset after it
};

struct PlaceOffset {
    double hoursWest = 0.0;  // hours to add to local time to get UT (west of Greenwich positive)
    ClockKind kind = ClockKind::StandardTime;
    std::string abbreviation;  // the zone's name for the clock ("EDT"), empty for local mean time
    std::vector<OffsetWarning> warnings;
};

// The offset at a place of `zone` whose longitude is `longitudeEastDeg` (east
// positive), for a local date and clock time. Local mean time is 4 minutes of time per
// degree of the place's longitude. In a gap the offset before the change is taken (the
// clock reading as if the clocks had not yet been put forward), of a repeated hour the
// first occurrence. Nothing when the zone is not in the history.
std::optional<PlaceOffset> placeOffset(const ZoneHistory& history, std::string_view zone, double longitudeEastDeg,
                                       const LocalMoment& moment);

}  // namespace helion
