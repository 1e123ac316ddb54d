#include <gtest/gtest.h>

#include <tuple>

#include "core/input/present_moment.h"

namespace helion {
namespace {

using namespace std::chrono;

std::tuple<int, int, int, int, int> fields(const LocalMoment& m) { return {m.year, m.month, m.day, m.hour, m.minute}; }

TEST(MomentInZone, UniversalTimeLessTheZoneAcrossDaysMonthsAndYears) {
    // 8:27 PM UT on 6 March 2024; the last row is the first second of a year.
    const sys_seconds evening = sys_days(2024y / March / 6) + 20h + 27min;
    const sys_seconds newYear = sys_days(2025y / January / 1) + 0h + 0min;
    for (const auto& [universal, zone, local] : {
             std::tuple{evening, "5", std::tuple{2024, 3, 6, 15, 27}},
             std::tuple{evening, "-5.5", std::tuple{2024, 3, 7, 1, 57}},  // India, past midnight
             std::tuple{newYear, "3.5", std::tuple{2024, 12, 31, 20, 30}},
         })
        EXPECT_EQ(fields(momentInZone(universal, zone)), local) << zone;
}

TEST(MomentInZone, LeapDayAndSecondsDropped) {
    const sys_seconds universal = sys_days(2024y / February / 29) + 23h + 59min + 59s;
    EXPECT_EQ(fields(momentInZone(universal, -1.0)), std::tuple(2024, 3, 1, 0, 59));
    EXPECT_EQ(fields(momentInZone(universal, 24.0)), std::tuple(2024, 2, 28, 23, 59));
}

}  // namespace
}  // namespace helion
