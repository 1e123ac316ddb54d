#include "core/wheels/wheel_scale.h"

#include <gtest/gtest.h>

#include "core/wheels/nominal_glyph_sizes.h"

namespace helion {
namespace {

TEST(WheelScale, ResizeKeepsTheShorterHalfExtent) {
    const struct {
        int width, height;
        std::int16_t scale;
    } rows[] = {
        {900, 600, 338},  // 225 * 1.5 = 337.5 rounds up
        {600, 600, 225}, {1000, 700, 321}, {599, 600, 244}, {300, 900, 244},
    };
    for (const auto& row : rows) {
        const std::int16_t scale = resizedStartScale(row.width, row.height);
        EXPECT_EQ(scale, row.scale) << row.width << "x" << row.height;
        const WheelFrame frame = screenFrame(scale, row.width, row.height);
        if (row.width >= row.height)
            EXPECT_NEAR(frame.top, 225.0, 0.5);
        else
            EXPECT_DOUBLE_EQ(frame.right, 244.0);
    }
}

TEST(WheelScale, StartupWindowFollowsTheScreenWidthAndDensity) {
    const struct {
        int screenWidth, twipsPerPixel, widthTwips;
    } rows[] = {{640, 15, 8490}, {800, 12, 8400}, {800, 15, 10725}, {1024, 15, 14050}, {1920, 12, 10970}};
    for (const auto& row : rows)
        EXPECT_EQ(startupWindowFor(row.screenWidth, row.twipsPerPixel).widthTwips, row.widthTwips) << row.screenWidth;
}

TEST(WheelScale, FullPagePrint) {
    EXPECT_EQ(printedStartScale(WheelKind::Single, ChartType::European), 272);
    EXPECT_EQ(printedStartScale(WheelKind::Single, ChartType::American), 265);
    EXPECT_EQ(printedStartScale(WheelKind::Dual, ChartType::European), 265);
    EXPECT_EQ(printedStartScale(WheelKind::Triple, ChartType::American), 265);
}

// Portrait pages taller than Letter add height, landscape pages width; one unit across
// covers as many pixels as one unit up divided by the vertical factor.
TEST(WheelScale, ThePrintedFrameFollowsThePaper) {
    const struct {
        const char* paper;
        double width, height;  // printable area
        double frameWidth, frameHeight;
    } rows[] = {
        {"Letter-shaped", 9675, 12500, 2 * 265, 2.5 * 265},
        {"A4", 2480, 3508, 2 * 265, 2 * 265 * 3508.0 / 2480 * 0.9675},
        {"Legal", 2550, 4200, 2 * 265, 2 * 265 * 4200.0 / 2550 * 0.9675},
        {"A4 landscape", 3508, 2480, 2.5 * 265 * 3508 / 2480 / 0.9675, 2.5 * 265},
    };
    for (const auto& row : rows) {
        const WheelFrame page = printerFrame(265, row.width, row.height);
        EXPECT_NEAR((page.left + page.right) / 2, 16.0, 1e-9) << row.paper;   // the centre left of the middle
        EXPECT_NEAR((page.top + page.bottom) / 2, -67.0, 1e-9) << row.paper;  // and above it
        EXPECT_NEAR(page.right - page.left, row.frameWidth, 1e-9) << row.paper;
        EXPECT_NEAR(page.top - page.bottom, row.frameHeight, 1e-9) << row.paper;
    }
}

}  // namespace
}  // namespace helion
