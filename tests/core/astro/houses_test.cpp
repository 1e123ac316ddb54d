#include "core/astro/houses.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string_view>

#include "fake_ephemeris.h"

// The cusps of every system but Meridian are checked against the Swiss Ephemeris in
// tests/swe, over the whole sidereal day up to the polar circles; these tests hold the
// rules the library cannot.
namespace helion {
namespace {

constexpr HouseSystem kAllSystems[] = {HouseSystem::Placidus, HouseSystem::Regiomontanus, HouseSystem::Koch,
                                       HouseSystem::Porphyry, HouseSystem::Meridian};

// These systems are the program's own; the library is never asked.
const test::FakeEphemeris kLibrary;

double arcBetween(double from, double to) { return normalize360(to - from); }

// The library has no Meridian houses: over the whole sidereal day and both hemispheres its
// cusps open with the Midheaven, lie opposite in pairs and follow in order.
TEST(HouseCusps, MeridianCuspsStartAtTheMidheavenOppositeAndInOrder) {
    for (double ramc : {0.0, 30.0, 100.0, 179.9, 180.0, 215.5, 270.0, 300.0, 345.0}) {
        for (double latitude : {-66.0, -10.0, 0.0, 45.0, 66.0}) {
            const HouseAngles sky = anglesAt(ramc, 23.44, latitude);
            const CuspTable cusp = computeCusps(HouseSystem::Meridian, sky, kLibrary).cusp;
            SCOPED_TRACE(::testing::Message() << "RAMC " << ramc << " lat " << latitude);
            EXPECT_NEAR(wrap180(cusp[1] - sky.midheavenDeg), 0.0, 1e-6);
            for (int entry = 1; entry <= 12; ++entry) {
                EXPECT_GE(cusp[entry], 0.0);
                EXPECT_LT(cusp[entry], 360.0);
                if (entry <= 6) {
                    EXPECT_NEAR(arcBetween(cusp[entry], cusp[entry + 6]), 180.0, 1e-6);
                }
                const double arc = arcBetween(cusp[entry], cusp[entry % 12 + 1]);
                EXPECT_GT(arc, 0.0) << "entry " << entry;
                EXPECT_LT(arc, 180.0) << "entry " << entry;
            }
        }
    }
}

// Only Meridian houses are allowed beyond 66 degrees; every system stays finite there,
// and Meridian cusps do not depend on the latitude at all.
TEST(HouseCusps, PolarLatitudesGiveFiniteCusps) {
    const CuspTable meridianAtEquator = computeCusps(HouseSystem::Meridian, anglesAt(100.0, 23.44, 0.0), kLibrary).cusp;
    for (HouseSystem system : kAllSystems) {
        for (double latitude : {70.0, 89.0, 90.0, -80.0}) {
            const CuspTable cusp = computeCusps(system, anglesAt(100.0, 23.44, latitude), kLibrary).cusp;
            for (int entry = 1; entry <= 12; ++entry) {
                EXPECT_TRUE(std::isfinite(cusp[entry])) << static_cast<char>(system) << " " << latitude;
                if (system == HouseSystem::Meridian) {
                    EXPECT_DOUBLE_EQ(cusp[entry], meridianAtEquator[entry]);
                }
            }
        }
    }
}

TEST(SiderealTime, SouthernChartsReadTwelveHoursLater) {
    const struct {
        double ramc, latitude;
        int seconds;
    } rows[] = {
        {99.9704167, 40.0, 6 * 3600 + 39 * 60 + 52},  // 52.9 seconds are cut, not rounded
        {97.5, 40.0, 6 * 3600 + 30 * 60},
        {97.5, -40.0, 18 * 3600 + 30 * 60},
        {277.5, -40.0, 6 * 3600 + 30 * 60},  // never 24 hours or more
    };
    for (const auto& row : rows) {
        EXPECT_EQ(
            computeCusps(HouseSystem::Placidus, anglesAt(row.ramc, 23.44, row.latitude), kLibrary).siderealSeconds,
            row.seconds)
            << row.ramc << " " << row.latitude;
    }
}

TEST(ComputeAngles, CountsAddedDaysBeforeChoosingTheCalendar) {
    // 12 days after 4 October 1582 (Julian) is 16 October 1582 (Gregorian).
    const AngleMoment progressed{{1582, 10, 4}, 12, 3.00, true, 0.0, 74.30, -40.30};
    AngleMoment sameDay = progressed;
    sameDay.date = {1582, 10, 16};
    sameDay.extraDays = 0;
    EXPECT_DOUBLE_EQ(computeAngles(progressed).jd, computeAngles(sameDay).jd);
}

TEST(PlaceInHouses, PointOnACuspBelongsToTheHouseItOpens) {
    CuspTable cusp{};  // the 9th house spans 0 Aries
    for (int entry = 1; entry <= 12; ++entry) cusp[entry] = normalize360(5.0 + 30.0 * (entry - 1));
    const struct {
        double longitude;
        int house;
        const char* label;
    } rows[] = {{5.0, 10, "10TH"},        {5.0 - 1.0 / 36000.0, 10, "10TH"},  // a tenth of an arc-second short counts
                {4.9999, 9, " 9TH"},      {355.0, 9, " 9TH"},
                {0.0, 9, " 9TH"},         {359.99999, 9, " 9TH"},
                {95.0, 1, " 1ST"},        {94.99, 12, "12TH"},
                {std::nan(""), 0, "    "}};
    PointTable longitude{};
    for (std::size_t i = 0; i < std::size(rows); ++i) longitude[kAllPoints[i]] = rows[i].longitude;
    const PointHouses house = placeInHouses(longitude, cusp);
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        EXPECT_EQ(house[kAllPoints[i]], rows[i].house) << rows[i].longitude;
        EXPECT_EQ(labelOfHouse(house[kAllPoints[i]]), rows[i].label) << rows[i].longitude;
    }
}

}  // namespace
}  // namespace helion
