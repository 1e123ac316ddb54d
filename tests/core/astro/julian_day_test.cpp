#include "core/astro/julian_day.h"

#include <gtest/gtest.h>

namespace helion {
namespace {

TEST(JulianDay, Epoch2000) {
    const long n = dayNumber({2000, 1, 1});
    EXPECT_EQ(n, 2451545);
    EXPECT_DOUBLE_EQ(julianDay(n, 0.5), 2451545.0);
    EXPECT_DOUBLE_EQ(julianCenturies(2451545.0), 1.0);
}

TEST(JulianDay, CalendarReformSwitchesToGregorian) {
    // 4 October 1582 (Julian) was followed by 15 October 1582 (Gregorian).
    EXPECT_EQ(dayNumber({1582, 10, 4}), 2299160);
    EXPECT_EQ(dayNumber({1582, 10, 15}), 2299161);
    EXPECT_EQ(dayNumber({1582, 11, 1}), 2299178);
    EXPECT_EQ(dayNumber({1000, 1, 1}), 2086308);  // Julian calendar
}

TEST(CalendarDate, RoundTripsOverCenturies) {
    for (long n = 1000000; n < 2600000; n += 997) {
        const CalendarDate d = calendarDate(n);
        ASSERT_EQ(dayNumber(d), n) << n;
    }
    const CalendarDate d = calendarDate(dayNumber({1950, 4, 31}));
    EXPECT_EQ(d.year, 1950);
    EXPECT_EQ(d.month, 5);
    EXPECT_EQ(d.day, 1);
}

TEST(DayFraction, TwelveOClockStartsItsHalfDay) {
    EXPECT_NEAR(dayFraction(12.15, false, 0.0), 0.25 / 24.0, 1e-12);
    EXPECT_NEAR(dayFraction(12.15, true, 0.0), 0.5 + 0.25 / 24.0, 1e-12);
    EXPECT_NEAR(dayFraction(10.30, false, 5.0), 15.5 / 24.0, 1e-12);
    EXPECT_GT(dayFraction(11.0, true, 5.0), 1.0);  // the Julian day absorbs it
}

TEST(Obliquity, MeanValueAt1900AndJ2000) {
    EXPECT_DOUBLE_EQ(meanObliquity(0.0), 23.4522944);
    EXPECT_NEAR(meanObliquity(1.0), 23.4392808, 1e-7);
}

TEST(LocalSiderealAngle, GreenwichAtJ2000Midnight) {
    const double jd = 2451544.5;
    EXPECT_NEAR(localSiderealAngle(julianCenturies(jd), 0.0, 0.0), 99.967, 0.0005);
    // West longitudes subtract, east longitudes add.
    EXPECT_NEAR(localSiderealAngle(julianCenturies(jd), 0.0, 74.30), 99.967 - 74.5, 0.0005);
    EXPECT_NEAR(localSiderealAngle(julianCenturies(jd), 0.0, -10.0), 109.967, 0.0005);
}

}  // namespace
}  // namespace helion
