// Where the library's files end and where it cannot compute at all, against the date range
// the chart computation names when it refuses a moment.
#include <gtest/gtest.h>

#include "core/astro/ephemeris_fill.h"
#include "core/astro/julian_day.h"
#include "swe/swiss_ephemeris.h"

namespace helion {
namespace {

// The earliest moment of a date: midnight in the zone 13 hours east of Greenwich.
double earliestMoment(CalendarDate date) { return julianDay(dayNumber(date), -13.0 / 24.0); }

TEST(EphemerisReach, FollowsTheLibrarysFilesAndLimits) {
    const SwissEphemeris eph(ephemerisPath(HELION_SOURCE_DIR "/data"));
    struct Row {
        double jd;
        EphemerisReach reach;
    };
    for (const Row& row : {
             Row{earliestMoment({-3001, 2, 27}), EphemerisReach::Beyond},
             // The first day of "28 Feb -3001 to 31 Dec 2099" whatever its time and zone.
             Row{earliestMoment({-3001, 2, 28}), EphemerisReach::AnalyticalTheory},
             Row{julianDay(dayNumber({1799, 12, 31}), 0.5), EphemerisReach::AnalyticalTheory},
             // The last day, 12:59 P.M. in the zone 12 hours west of Greenwich.
             Row{julianDay(dayNumber({2099, 12, 31}), 1.5), EphemerisReach::Files},
         }) {
        EXPECT_EQ(fillEphemeris(eph, row.jd).reach, row.reach) << row.jd;
    }
}

}  // namespace
}  // namespace helion
