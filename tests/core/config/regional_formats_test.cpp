#include "core/config/regional_formats.h"

#include <gtest/gtest.h>

namespace helion {
namespace {

TEST(RegionalFormats, DateOrderFollowsTheFirstDateField) {
    const struct {
        const char* pattern;
        DateOrder expected;
    } rows[] = {
        {"M/d/yy", DateOrder::MonthDayYear},
        {"dd.MM.yyyy", DateOrder::DayMonthYear},
        {"yyyy-MM-dd", DateOrder::YearMonthDay},
        {"dddd, MMMM d, yyyy", DateOrder::MonthDayYear},  // the weekday is not the day
        {"'year' MM/dd", DateOrder::MonthDayYear},        // quoted letters are text
        {"", DateOrder::MonthDayYear},
    };
    for (const auto& row : rows) EXPECT_EQ(dateOrderFromPattern(row.pattern), row.expected) << row.pattern;
}

TEST(RegionalFormats, AnAmPmMarkerMeansTheTwelveHourClock) {
    EXPECT_EQ(timeFormatFromPattern("h:mm AP"), TimeFormat::TwelveHour);
    EXPECT_EQ(timeFormatFromPattern("h:mm:ss a"), TimeFormat::TwelveHour);
    EXPECT_EQ(timeFormatFromPattern("HH:mm"), TimeFormat::TwentyFourHour);
    EXPECT_EQ(timeFormatFromPattern("HH 'Uhr' mm"), TimeFormat::TwentyFourHour);
}

}  // namespace
}  // namespace helion
