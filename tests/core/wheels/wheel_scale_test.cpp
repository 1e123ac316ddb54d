#include "core/wheels/wheel_scale.h"

#include <gtest/gtest.h>

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

TEST(WheelScale, TextGrowsOnlyPastTheStartupDrawingArea) {
    const struct {
        int width, height;
        double scale;
    } rows[] = {{900, 700, 1.0}, {600, 400, 1.0}, {1800, 1400, 2.0}, {3600, 1050, 1.5}, {2700, 2800, 3.0}};
    for (const auto& row : rows)
        EXPECT_DOUBLE_EQ(wheelTextScale(row.width, row.height, 900, 700), row.scale) << row.width << "x" << row.height;
}

}  // namespace
}  // namespace helion
