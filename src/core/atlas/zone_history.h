#pragma once
// The history of a time zone's clocks (the IANA time-zone database). The core reasons
// about offsets through this interface; src/tz answers it from the system's zone files.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace helion {

// What the clocks of a zone showed at one instant.
struct ZoneState {
    int offsetSeconds = 0;          // local clock minus UT, daylight saving included
    int standardOffsetSeconds = 0;  // the zone's standard time then
    std::string abbreviation;       // "EST", "BDST", "LMT", or a number such as "+0630"
    int daylightSeconds() const { return offsetSeconds - standardOffsetSeconds; }
};

class ZoneHistory {
public:
    virtual ~ZoneHistory() = default;
    // The zone's clocks at an instant given in seconds since 1970-01-01 00:00 UT;
    // nothing for a zone name the database does not hold.
    virtual std::optional<ZoneState> stateAt(std::string_view zone, std::int64_t utcSeconds) const = 0;
};

}  // namespace helion
