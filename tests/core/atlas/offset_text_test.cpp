#include "core/atlas/offset_text.h"

#include <gtest/gtest.h>

namespace helion {
namespace {

TEST(OffsetText, HoursHaveAtMostFourDecimalsAndNoTrailingZeros) {
    const struct {
        double hours;
        const char* text;
    } rows[] = {{5, "5"}, {-0.00001, "0"}, {74.0 / 15, "4.9333"}, {-1172.0 / 3600, "-0.3256"}, {9.99996, "10"}};
    for (const auto& row : rows) EXPECT_EQ(hoursText(row.hours), row.text) << row.hours;
}

// The reasons of every kind of clock are fixed by the time-zone history tests.
TEST(OffsetText, ReasonsAndWarningsNameTheClocks) {
    EXPECT_EQ(reasonText({0.0, ClockKind::WarTime, "+0630", {}}), "war time");  // a number is no name
    EXPECT_EQ(warningText({OffsetWarningKind::DoesNotExist, 5, 4}, "America/New_York"),
              "This clock time does not exist here: the clocks were put forward over it. "
              "Offset before the change 5, after it 4.");
    EXPECT_EQ(warningText({OffsetWarningKind::HappensTwice, 4, 5}, "America/New_York"),
              "This clock time happens twice here: the clocks were set back over it. "
              "Offset the first time 4, the second time 5.");
}

}  // namespace
}  // namespace helion
