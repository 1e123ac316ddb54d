#include "core/reports/angle_text.h"

#include <gtest/gtest.h>

#include "core/reports/column_align.h"

namespace helion {
namespace {

TEST(AngleText, SignDegreesAndMinutesWithoutCarryingIntoTheNextSign) {
    struct Row {
        double degrees;
        const char* rounded;
        const char* withSeconds;
    };
    // 59.94 minutes round to 60, held at 59: no carry into Taurus.
    for (const Row& row : {Row{29.999, "29 ARI 59", "29 ARI 59m 56s"}, Row{359.99999, "29 PIS 59", "29 PIS 59m 59s"},
                           Row{30.0, "00 TAU 00", "00 TAU 00m 00s"},
                           Row{5.375, "05 ARI 23", "05 ARI 22m 30s"}, Row{347.0166, "17 PIS 01", "17 PIS 00m 59s"}}) {
        EXPECT_EQ(positionText(row.degrees), row.rounded);
        EXPECT_EQ(positionWithSeconds(row.degrees), row.withSeconds);
    }
}

TEST(AngleText, DeclinationAndSolarArc) {
    const std::pair<std::string, const char*> rows[] = {
        {declinationText(-0.2), "00 S 12"},
        {declinationText(0.0), "00 N 00"},
        {declinationText(-23.9999), "23 S 59"},
        {declinationText(31.5), "31 N 30"},  // whole degrees, not degrees within a sign
        {solarConstantText(0.0f), "Solar constant is 0 degrees, 00 minutes "},
        {solarConstantText(293.999f), "Solar constant is 293 degrees, 59 minutes "}};
    for (const auto& [actual, expected] : rows) EXPECT_EQ(actual, expected);
}

TEST(ColumnAlign, PadsByValue) {
    struct Row {
        const char* number;
        const char* two;
        const char* three;
        const char* signedFour;
    };
    for (const Row& row : {Row{"5", " 5", "  5", "   5"}, Row{"5.3", " 5.3", "  5.3", "   5.3"},
                           Row{"45", "45", " 45", "  45"}, Row{"123", "123", "123", " 123"},
                           Row{"-5", " -5", "  -5", "  -5"}, Row{"-45", " -45", "  -45", " -45"},
                           Row{"-123", " -123", "  -123", "-123"}, Row{"-0,5", " -0,5", "  -0,5", "  -0,5"}}) {
        EXPECT_EQ(alignTwoPlaces(row.number), row.two) << row.number;
        EXPECT_EQ(alignThreePlaces(row.number), row.three) << row.number;
        EXPECT_EQ(alignSignedFourPlaces(row.number), row.signedFour) << row.number;
    }
}

}  // namespace
}  // namespace helion
