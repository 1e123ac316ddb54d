#include "core/reports/angle_text.h"

#include <gtest/gtest.h>

#include "core/reports/column_align.h"

namespace helion {
namespace {

struct PositionCase {
    double degrees;
    const char* rounded;
    const char* withSeconds;
};

class PositionText : public ::testing::TestWithParam<PositionCase> {};

TEST_P(PositionText, SplitsIntoSignDegreesAndMinutes) {
    const PositionCase& c = GetParam();
    EXPECT_EQ(positionText(c.degrees), c.rounded);
    EXPECT_EQ(positionWithSeconds(c.degrees), c.withSeconds);
}

INSTANTIATE_TEST_SUITE_P(
    Edges, PositionText,
    ::testing::Values(PositionCase{0.0, "00 ARI 00", "00 ARI 00m 00s"},
                      // 59.94 minutes round to 60, held at 59: no carry into Taurus.
                      PositionCase{29.999, "29 ARI 59", "29 ARI 59m 56s"},
                      PositionCase{359.5, "29 PIS 30", "29 PIS 30m 00s"},
                      PositionCase{359.99999, "29 PIS 59", "29 PIS 59m 59s"},
                      PositionCase{30.0, "00 TAU 00", "00 TAU 00m 00s"},
                      PositionCase{5.375, "05 ARI 23", "05 ARI 22m 30s"},
                      PositionCase{347.0166, "17 PIS 01", "17 PIS 00m 59s"}));

TEST(DeclinationText, PrintsHemisphereAndRoundedMinutes) {
    EXPECT_EQ(declinationText(-0.2), "00 S 12");
    EXPECT_EQ(declinationText(0.0), "00 N 00");
    EXPECT_EQ(declinationText(23.4333), "23 N 26");
    EXPECT_EQ(declinationText(-23.9999), "23 S 59");
    // Whole degrees, not degrees within a sign, beyond 30.
    EXPECT_EQ(declinationText(31.5), "31 N 30");
}

TEST(SolarConstantText, PrintsDegreesAndMinutesOfTheArc) {
    EXPECT_EQ(solarConstantText(0.0f), "Solar constant is 0 degrees, 00 minutes ");
    EXPECT_EQ(solarConstantText(73.24f), "Solar constant is 73 degrees, 14 minutes ");
    EXPECT_EQ(solarConstantText(293.999f), "Solar constant is 293 degrees, 59 minutes ");
}

struct AlignCase {
    const char* number;
    const char* two;
    const char* three;
    const char* signedFour;
};

class ColumnAlign : public ::testing::TestWithParam<AlignCase> {};

TEST_P(ColumnAlign, PadsByValue) {
    const AlignCase& c = GetParam();
    EXPECT_EQ(alignTwoPlaces(c.number), c.two);
    EXPECT_EQ(alignThreePlaces(c.number), c.three);
    EXPECT_EQ(alignSignedFourPlaces(c.number), c.signedFour);
}

INSTANTIATE_TEST_SUITE_P(Values, ColumnAlign,
                         ::testing::Values(AlignCase{"5", " 5", "  5", "   5"}, AlignCase{"5.3", " 5.3", "  5.3", "   5.3"},
                                           AlignCase{"45", "45", " 45", "  45"}, AlignCase{"123", "123", "123", " 123"},
                                           AlignCase{"-5", " -5", "  -5", "  -5"},
                                           AlignCase{"-45", " -45", "  -45", " -45"},
                                           AlignCase{"-123", " -123", "  -123", "-123"},
                                           AlignCase{"-0,5", " -0,5", "  -0,5", "  -0,5"}));

}  // namespace
}  // namespace helion
