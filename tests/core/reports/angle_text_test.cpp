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

}  // namespace
}  // namespace helion
