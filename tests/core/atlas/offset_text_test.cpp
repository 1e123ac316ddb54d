#include "core/atlas/offset_text.h"

#include <gtest/gtest.h>

namespace helion {
namespace {

TEST(OffsetText, HoursHaveAtMostFourDecimalsAndNoTrailingZeros) {
    const struct {
        double hours;
        const char* text;
    } rows[] = {{5, "5"},
                {-1, "-1"},
                {0, "0"},
                {-0.00001, "0"},
                {5.5, "5.5"},
                {-5.75, "-5.75"},
                {74.0 / 15, "4.9333"},
                {-1172.0 / 3600, "-0.3256"},
                {9.99996, "10"}};
    for (const auto& row : rows) EXPECT_EQ(hoursText(row.hours), row.text) << row.hours;
}

TEST(OffsetText, ReasonNamesTheClockAndItsAbbreviation) {
    const struct {
        ClockKind kind;
        const char* abbreviation;
        const char* reason;
    } rows[] = {
        {ClockKind::DaylightSaving, "EDT", "EDT, daylight saving time"},
        {ClockKind::StandardTime, "BST", "BST, standard time"},
        {ClockKind::WarTime, "EWT", "EWT, war time"},
        {ClockKind::WarTime, "+0630", "war time"},  // a number is no name
        {ClockKind::DoubleSummerTime, "BDST", "BDST, double summer time"},
        {ClockKind::LocalMeanTime, "", "local mean time"},
        {ClockKind::CityMeanTime, "AMT", "AMT, mean time of a city of the zone"},
        {ClockKind::WinterTime, "GMT", "GMT, winter time"},
    };
    for (const auto& row : rows) EXPECT_EQ(reasonText({0.0, row.kind, row.abbreviation, {}}), row.reason);
}

TEST(OffsetText, WarningsGiveBothCandidateOffsetsOrTheZonesCity) {
    EXPECT_EQ(warningText({OffsetWarningKind::DoesNotExist, 5, 4}, "America/New_York"),
              "This clock time does not exist here: the clocks were put forward over it. "
              "Offset before the change 5, after it 4.");
    EXPECT_EQ(warningText({OffsetWarningKind::HappensTwice, 4, 5}, "America/New_York"),
              "This clock time happens twice here: the clocks were set back over it. "
              "Offset the first time 4, the second time 5.");
    EXPECT_EQ(warningText({OffsetWarningKind::Before1970}, "America/New_York"),
              "Before 1970 the time-zone history is certain only for the zone's main city (America/New_York); "
              "other places of the zone may have kept other clocks.");
}

}  // namespace
}  // namespace helion
