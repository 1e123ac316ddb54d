#include "core/astro/julian_day.h"

#include <gtest/gtest.h>

// 1600-2100 is checked day by day against the Swiss Ephemeris in tests/swe, with clock
// times of both half-days and every zone.
namespace helion {
namespace {

TEST(JulianDay, CalendarReformSwitchesToGregorian) {
    // 4 October 1582 (Julian) was followed by 15 October 1582 (Gregorian).
    EXPECT_EQ(dayNumber({1582, 10, 4}), 2299160);
    EXPECT_EQ(dayNumber({1582, 10, 15}), 2299161);
    EXPECT_EQ(dayNumber({1582, 11, 1}), 2299178);
    const CalendarDate before = calendarDate(2299160), first = calendarDate(2299161);
    EXPECT_EQ(before.year * 10000 + before.month * 100 + before.day, 15821004);
    EXPECT_EQ(first.year * 10000 + first.month * 100 + first.day, 15821015);
    EXPECT_EQ(dayNumber({1000, 1, 1}), 2086308);  // Julian calendar
    EXPECT_DOUBLE_EQ(julianCenturies(2451545.0), 1.0);
}

TEST(CalendarDate, RoundTripsOverCenturiesAndCarriesDayOverflow) {
    for (long n = 1000000; n < 2600000; n += 997) ASSERT_EQ(dayNumber(calendarDate(n)), n) << n;
    const CalendarDate d = calendarDate(dayNumber({1950, 4, 31}));
    EXPECT_EQ(d.year * 10000 + d.month * 100 + d.day, 19500501);
}

TEST(Obliquity, MeanValueAtJ2000) { EXPECT_NEAR(meanObliquity(1.0), 23.4392808, 1e-7); }

}  // namespace
}  // namespace helion
