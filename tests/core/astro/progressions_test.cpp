#include "core/astro/progressions.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/astro/houses.h"
#include "fake_ephemeris.h"

namespace helion {
namespace {

constexpr double kBirth = 2434079.1;

TEST(Progressions, DayForAYearAndMonthForAYear) {
    EXPECT_DOUBLE_EQ(progressedMoment(kBirth, kBirth), kBirth);
    EXPECT_NEAR(progressedMoment(kBirth, kBirth + 7305.0), kBirth + 20.0, 1e-9);
    EXPECT_NEAR(minorFirstGuess(kBirth, kBirth + 7305.0) - kBirth, 546.4332, 1e-4);
    // Before birth the progressed moment lies before birth too.
    EXPECT_LT(progressedMoment(kBirth, kBirth - 3652.5), kBirth);
}

TEST(Progressions, MinorMomentOnTheBirthDayIsTheBirthMoment) {
    const test::FakeEphemeris eph;
    const double sun = eph.longitude(kBirth, body::Sun).longitudeDeg;
    const double moon = eph.longitude(kBirth, body::Moon).longitudeDeg;
    const auto minor = minorMoment(eph, sun, moon, sun, kBirth, kBirth);
    ASSERT_TRUE(minor);
    EXPECT_NEAR(*minor, kBirth, 0.00007);
}

TEST(Progressions, MinorMomentKeepsTheNatalElongation) {
    const test::FakeEphemeris eph;
    auto at = [&](double jd, int b) { return eph.longitude(jd, b).longitudeDeg; };
    for (double years : {0.5, 20.0, 33.4, 71.9}) {
        const double diurnal = kBirth + 365.25 * years;
        const auto minor = minorMoment(eph, at(kBirth, body::Sun), at(kBirth, body::Moon), at(diurnal, body::Sun),
                                       kBirth, diurnal);
        ASSERT_TRUE(minor) << years;
        EXPECT_LE(std::fabs(*minor - minorFirstGuess(kBirth, diurnal)), 3.0) << years;
        const double elongationThen = normalize360(at(kBirth, body::Moon) - at(kBirth, body::Sun));
        const double elongationNow = normalize360(at(*minor, body::Moon) - at(diurnal, body::Sun));
        // 0.00007 day of lunar motion is about 0.001 degree.
        EXPECT_NEAR(wrap180(elongationNow - elongationThen), 0.0, 0.002) << years;
    }
}

TEST(Progressions, MoonCrossingOfAriesConverges) {
    const test::FakeEphemeris eph;
    // Find a day in which the fake Moon passes 0 degrees and search across it.
    double day = 2451545.0;
    while (eph.longitude(day, body::Moon).longitudeDeg < eph.longitude(day + 1.0, body::Moon).longitudeDeg) day += 1.0;
    const double r = findMoonCrossing(eph, 0.0, day, day + 1.0, 0.00007, 100);
    ASSERT_GE(r, day);
    ASSERT_LE(r, day + 1.0);
    EXPECT_NEAR(wrap180(eph.longitude(r, body::Moon).longitudeDeg), 0.0, 0.002);
}

TEST(Progressions, CrossingSearchGivesUpCleanly) {
    test::FakeEphemeris eph;
    EXPECT_EQ(findMoonCrossing(eph, 0.0, 0.0, 1.0, 0.00007, 0), 0.0);
    eph.motions[body::Moon].degreesPerDay = 0.5;  // a Moon this slow never reaches its target in a day
    const auto minor = minorMoment(eph, 10.0, 100.0, 20.0, kBirth, kBirth + 1000.0);
    EXPECT_FALSE(minor);
}

TEST(SolarArc, NoArcKeepsTheNatalAngles) {
    const double natalMc = 123.4, obliquity = 23.44, latitude = 40.7;
    const DirectedAngles d = solarArcAngles(350.0, 350.0, natalMc, obliquity, latitude);
    EXPECT_NEAR(d.midheavenDeg, natalMc, 1e-12);
    // The Ascendant that rises when that Midheaven culminates.
    const double ramc = radToDeg(std::atan2(sinDeg(natalMc) * cosDeg(obliquity), cosDeg(natalMc)));
    EXPECT_NEAR(d.ascendantDeg, ascendantFor(normalize360(ramc), obliquity, latitude), 1e-9);
}

TEST(SolarArc, MidheavenMovesByTheSunsArcAcrossAries) {
    const DirectedAngles d = solarArcAngles(5.0, 345.0, 350.0, 23.44, -33.9);
    EXPECT_NEAR(d.midheavenDeg, 10.0, 1e-12);
    EXPECT_GE(d.ascendantDeg, 0.0);
    EXPECT_LT(d.ascendantDeg, 360.0);
}

}  // namespace
}  // namespace helion
