// Offsets from the IANA time-zone history as Debian ships it (package tzdata), read
// through QTimeZone, against the clocks the history records for these places.

#include <gtest/gtest.h>

#include "core/atlas/offset_text.h"
#include "core/atlas/place_list.h"
#include "core/atlas/place_offset.h"
#include "tz/qt_zone_history.h"

namespace helion {
namespace {

using enum OffsetWarningKind;

struct HistoryCase {
    const char* zone;
    double longitudeEastDeg;
    LocalMoment moment;
    const char* hoursWest;
    const char* reason;
    std::vector<OffsetWarningKind> warnings;
};

TEST(ZoneOffsets, MatchTheHistoryOfTheTimeZoneDatabase) {
    const std::vector<OffsetWarningKind> old{Before1970};
    const HistoryCase rows[] = {
        {"America/New_York", -74.0060, {1952, 3, 7, 10, 30}, "5", "EST, standard time", old},
        // Peace time kept the war's clocks; British standard time kept summer time all year.
        {"America/New_York", -74.0060, {1945, 9, 1, 12, 0}, "4", "EPT, war time", old},
        {"America/New_York", -74.0060, {1850, 6, 1, 12, 0}, "4.9333", "local mean time", old},
        {"Europe/London", -0.1257, {1969, 7, 1, 12, 0}, "-1", "BST, standard time", old},
        {"Europe/London", -0.1257, {1944, 7, 1, 12, 0}, "-2", "BDST, double summer time", old},
        {"Asia/Kolkata", 88.3630, {1945, 3, 1, 12, 0}, "-6.5", "war time", old},
        {"Europe/Amsterdam", 4.8897, {1930, 1, 1, 12, 0}, "-0.3256", "AMT, mean time of a city of the zone", old},
        {"Europe/Dublin", -6.2489, {2020, 1, 15, 12, 0}, "0", "GMT, winter time", {}},
        {"Australia/Sydney", 151.2073, {2021, 1, 15, 12, 0}, "-11", "AEDT, daylight saving time", {}},
        // Today's rules: the spring gap and the repeated autumn hour.
        {"America/New_York", -74.0060, {2024, 3, 10, 2, 30}, "5", "EST, standard time", {DoesNotExist}},
        {"America/New_York", -74.0060, {2024, 11, 3, 1, 30}, "4", "EDT, daylight saving time", {HappensTwice}},
        {"Nowhere/Town", 0.0, {2000, 1, 1, 0, 0}, nullptr, "", {}},
    };
    const QtZoneHistory history;
    for (const auto& row : rows) {
        SCOPED_TRACE("row " + std::to_string(&row - rows));
        const auto offset = placeOffset(history, row.zone, row.longitudeEastDeg, row.moment);
        ASSERT_EQ(offset.has_value(), row.hoursWest != nullptr);
        if (!offset) continue;
        EXPECT_EQ(hoursText(offset->hoursWest), row.hoursWest);
        EXPECT_EQ(reasonText(*offset), row.reason);
        std::vector<OffsetWarningKind> warnings;
        for (const auto& warning : offset->warnings) warnings.push_back(warning.kind);
        EXPECT_EQ(warnings, row.warnings);
    }
}

// A zone of the shipped place list that the computer's history does not know would leave
// its places without an offset.
TEST(ZoneOffsets, EveryZoneOfTheShippedPlaceListIsKnown) {
    const PlaceListLoad load = loadPlaceList(HELION_SOURCE_DIR "/data/ATLAS.DAT");
    ASSERT_EQ(load.error, "");
    const QtZoneHistory history;
    for (const auto& zone : load.list.zones) EXPECT_TRUE(history.stateAt(zone, 0)) << zone;
}

}  // namespace
}  // namespace helion
