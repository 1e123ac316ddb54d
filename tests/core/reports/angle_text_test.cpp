#include "core/reports/angle_text.h"

#include <gtest/gtest.h>

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
                           Row{30.0, "00 TAU 00", "00 TAU 00m 00s"}, Row{5.375, "05 ARI 23", "05 ARI 22m 30s"}}) {
        EXPECT_EQ(positionText(row.degrees), row.rounded);
        EXPECT_EQ(positionWithSeconds(row.degrees), row.withSeconds);
    }
}

TEST(AngleText, DeclinationAndSiderealTime) {
    const std::pair<std::string, const char*> rows[] = {
        {declinationText(-23.9999), "23 S 59"},
        {declinationText(31.5), "31 N 30"},  // whole degrees, not degrees within a sign
        {siderealTimeText(24 * 3600 - 1), "23H  59M  59S "}};
    for (const auto& [actual, expected] : rows) EXPECT_EQ(actual, expected);
}

}  // namespace
}  // namespace helion
