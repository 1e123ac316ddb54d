#include "core/atlas/place_offset.h"

#include <gtest/gtest.h>

#include "fake_zone_history.h"

namespace helion {
namespace {

using test::FakeZoneHistory;
using Kind = ClockKind;
using Warning = OffsetWarning;
using enum OffsetWarningKind;

std::int64_t utc(int year, int month, int day, int hour, int minute) {
    return clockSeconds({year, month, day, hour, minute});
}

constexpr double kNewYorkLongitude = -74.0060;  // 74°00' W
constexpr double kNewYorkMeanTime = 74.0 / 15.0;

// New York's clocks in outline: its own mean time, then Eastern time with war time and
// today's daylight saving.
const FakeZoneHistory kEastern("Test/Eastern", {
                                                   {utc(1800, 1, 1, 0, 0), {-17762, -17762, "LMT"}},
                                                   {utc(1883, 11, 18, 17, 0), {-18000, -18000, "EST"}},
                                                   {utc(1942, 2, 9, 7, 0), {-14400, -18000, "EWT"}},
                                                   {utc(1945, 9, 30, 6, 0), {-18000, -18000, "EST"}},
                                                   {utc(2025, 3, 9, 7, 0), {-14400, -18000, "EDT"}},
                                                   {utc(2025, 11, 2, 6, 0), {-18000, -18000, "EST"}},
                                               });

TEST(PlaceOffset, FindsTheClockInForceAndWarnsWhereTheAnswerIsUncertain) {
    const struct {
        LocalMoment moment;
        double hoursWest;
        Kind kind;
        const char* abbreviation;
        std::vector<Warning> warnings;
    } rows[] = {
        {{1952, 3, 7, 10, 30}, 5, Kind::StandardTime, "EST", {{Before1970}}},
        {{1850, 6, 1, 12, 0}, kNewYorkMeanTime, Kind::LocalMeanTime, "", {{Before1970}}},
        // 12:03:58 of local mean time became 12:00 Eastern: two minutes seen twice.
        {{1883, 11, 18, 12, 2},
         kNewYorkMeanTime,
         Kind::LocalMeanTime,
         "",
         {{HappensTwice, kNewYorkMeanTime, 5}, {Before1970}}},
        {{2025, 3, 9, 1, 59}, 5, Kind::StandardTime, "EST", {}},
        {{2025, 3, 9, 2, 30}, 5, Kind::StandardTime, "EST", {{DoesNotExist, 5, 4}}},
        {{2025, 3, 9, 3, 0}, 4, Kind::DaylightSaving, "EDT", {}},
        {{2025, 11, 2, 0, 59}, 4, Kind::DaylightSaving, "EDT", {}},
        {{2025, 11, 2, 1, 30}, 4, Kind::DaylightSaving, "EDT", {{HappensTwice, 4, 5}}},
        {{2025, 11, 2, 2, 0}, 5, Kind::StandardTime, "EST", {}},
        {{1970, 1, 1, 0, 0}, 5, Kind::StandardTime, "EST", {}},
    };
    for (const auto& row : rows) {
        const auto& m = row.moment;
        SCOPED_TRACE(std::to_string(m.year) + "-" + std::to_string(m.month) + "-" + std::to_string(m.day) + " " +
                     std::to_string(m.hour) + ":" + std::to_string(m.minute));
        const auto offset = placeOffset(kEastern, "Test/Eastern", kNewYorkLongitude, m);
        ASSERT_TRUE(offset);
        EXPECT_NEAR(offset->hoursWest, row.hoursWest, 1e-12);
        EXPECT_EQ(offset->kind, row.kind);
        EXPECT_EQ(offset->abbreviation, row.abbreviation);
        ASSERT_EQ(offset->warnings.size(), row.warnings.size());
        for (std::size_t i = 0; i < row.warnings.size(); ++i) {
            EXPECT_EQ(offset->warnings[i].kind, row.warnings[i].kind);
            EXPECT_NEAR(offset->warnings[i].earlierHoursWest, row.warnings[i].earlierHoursWest, 1e-12);
            EXPECT_NEAR(offset->warnings[i].laterHoursWest, row.warnings[i].laterHoursWest, 1e-12);
        }
    }
}

TEST(PlaceOffset, NamesTheKindOfClockFromItsOffsetsAndDate) {
    const struct {
        ZoneState state;
        int year;
        Kind kind;
        double hoursWest;
    } rows[] = {
        {{7200, 0, "BDST"}, 1944, Kind::DoubleSummerTime, -2},
        {{3600, 0, "BST"}, 1944, Kind::WarTime, -1},
        {{3600, 0, "BST"}, 1960, Kind::DaylightSaving, -1},
        {{3600, 3600, "BST"}, 1969, Kind::StandardTime, -1},  // British standard time, kept all year
        {{23400, 19800, "+0630"}, 1945, Kind::WarTime, -6.5},
        {{-10800, -14400, "AWT"}, 1946, Kind::WarTime, 3},  // named war time after the war's end
        {{0, 3600, "GMT"}, 2020, Kind::WinterTime, 0},      // set back from standard time
        {{1172, 1172, "AMT"}, 1930, Kind::CityMeanTime, -1172.0 / 3600},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.state.abbreviation + " " + std::to_string(row.year));
        const FakeZoneHistory history("Z", {{0, row.state}});
        const auto offset = placeOffset(history, "Z", 5.0, {row.year, 1, 15, 12, 0});
        ASSERT_TRUE(offset);
        EXPECT_EQ(offset->kind, row.kind);
        EXPECT_NEAR(offset->hoursWest, row.hoursWest, 1e-12);
    }
}

TEST(PlaceOffset, TheReasonIsTheClockAtTheMomentAskedWhenTheOffsetStaysTheSame) {
    // Córdoba's clocks: local mean time, then from 1894 the city's mean time, 4:16:48 behind UT.
    const FakeZoneHistory cordoba(
        "Z", {{utc(1800, 1, 1, 0, 0), {-15408, -15408, "LMT"}}, {utc(1894, 10, 31, 4, 16), {-15408, -15408, "CMT"}}});
    const struct {
        LocalMoment moment;
        Kind kind;
    } rows[] = {
        {{1894, 10, 30, 23, 0}, Kind::LocalMeanTime},
        {{1894, 10, 31, 1, 0}, Kind::CityMeanTime},
        {{1894, 10, 31, 20, 0}, Kind::CityMeanTime},
    };
    for (const auto& row : rows)
        EXPECT_EQ(placeOffset(cordoba, "Z", -64.18, row.moment)->kind, row.kind) << row.moment.hour;
}

TEST(PlaceOffset, LocalMeanTimeFollowsThePlacesLongitudeInWholeMinutesOfArc) {
    const FakeZoneHistory history("Z", {{0, {-17762, -17762, "LMT"}}});
    const struct {
        double longitudeEastDeg;
        double hoursWest;
    } rows[] = {{-74.0060, 74.0 / 15}, {-71.0589, (71 + 4.0 / 60) / 15}, {88.3630, -(88 + 22.0 / 60) / 15}, {0.0, 0.0}};
    for (const auto& row : rows)
        EXPECT_NEAR(placeOffset(history, "Z", row.longitudeEastDeg, {1850, 1, 1, 0, 0})->hoursWest, row.hoursWest,
                    1e-12)
            << row.longitudeEastDeg;
}

}  // namespace
}  // namespace helion
