#include "core/astro/progressions.h"

#include <gtest/gtest.h>

#include <cmath>

#include "fake_ephemeris.h"

namespace helion {
namespace {

constexpr double kBirth = 2434079.1;

TEST(Progressions, DayForAYearAndMonthForAYear) {
    EXPECT_DOUBLE_EQ(progressedMoment(kBirth, kBirth), kBirth);
    EXPECT_NEAR(progressedMoment(kBirth, kBirth + 7305.0), kBirth + 20.0, 1e-9);
    EXPECT_NEAR(minorFirstGuess(kBirth, kBirth + 7305.0) - kBirth, 546.4332, 1e-4);
    EXPECT_LT(progressedMoment(kBirth, kBirth - 3652.5), kBirth);  // before birth, before birth
}

TEST(Progressions, MinorMomentKeepsTheNatalElongation) {
    const test::FakeEphemeris eph;
    auto at = [&](double jd, int b) { return eph.longitude(jd, b).longitudeDeg; };
    for (double years : {0.0, 0.5, 20.0, 33.4, 71.9}) {
        const double diurnal = kBirth + 365.25 * years;
        const auto minor =
            minorMoment(eph, at(kBirth, body::Sun), at(kBirth, body::Moon), at(diurnal, body::Sun), kBirth, diurnal);
        ASSERT_TRUE(minor) << years;
        EXPECT_LE(std::fabs(*minor - minorFirstGuess(kBirth, diurnal)), 3.0) << years;
        const double elongationThen = normalize360(at(kBirth, body::Moon) - at(kBirth, body::Sun));
        const double elongationNow = normalize360(at(*minor, body::Moon) - at(diurnal, body::Sun));
        // 0.00007 day of lunar motion is about 0.001 degree.
        EXPECT_NEAR(wrap180(elongationNow - elongationThen), 0.0, 0.002) << years;
    }
}

TEST(Progressions, MoonCrossingOfAriesConvergesAndFailureGivesZero) {
    const test::FakeEphemeris eph;
    double day = 2451545.0;  // find a day in which the fake Moon passes 0 degrees
    while (eph.longitude(day, body::Moon).longitudeDeg < eph.longitude(day + 1.0, body::Moon).longitudeDeg) day += 1.0;
    const double found = findMoonCrossing(eph, 0.0, day, day + 1.0, 0.00007, 100);
    ASSERT_GE(found, day);
    ASSERT_LE(found, day + 1.0);
    EXPECT_NEAR(wrap180(eph.longitude(found, body::Moon).longitudeDeg), 0.0, 0.002);
    EXPECT_EQ(findMoonCrossing(eph, 0.0, 0.0, 1.0, 0.00007, 0), 0.0);
}

// The pipeline tests check the Midheaven's arc; here the Ascendant that rises with it. At
// 33.9 S a Midheaven of 5 degrees has RAMC 4.5892 degrees and the Ascendant
// atan2(cos RAMC, -(sin RAMC cos e + tan lat sin e)) = 78.99242 degrees.
TEST(SolarArc, AscendantRisesWithTheDirectedMidheaven) {
    const double sunArc = 15.0, natalMc = 350.0;
    const DirectedAngles d = solarArcAngles(5.0, 5.0 - sunArc, natalMc, 23.44, -33.9);
    EXPECT_NEAR(d.midheavenDeg, 5.0, 1e-12);  // across Aries
    EXPECT_NEAR(d.ascendantDeg, 78.992415157, 1e-6);
}

}  // namespace
}  // namespace helion
