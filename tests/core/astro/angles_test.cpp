#include "core/astro/angles.h"

#include <gtest/gtest.h>

namespace helion {
namespace {

TEST(Angles, UnpackAndReduce) {
    const struct {
        const char* what;
        double got, expected;
    } rows[] = {
        {"decodeDms 10.30", decodeDms(10.30), 10.5},      {"decodeDms 74.59", decodeDms(74.59), 74.98333333333},
        {"normalize360 -30", normalize360(-30.0), 330.0}, {"wrap180 350", wrap180(350.0), -10.0},
        {"wrap180 179", wrap180(179.0), 179.0},           {"wrap180 -180", wrap180(-180.0), -180.0},
    };
    for (const auto& row : rows) EXPECT_NEAR(row.got, row.expected, 1e-10) << row.what;
}

TEST(RectToSpherical, PolesAndQuadrants) {
    EXPECT_DOUBLE_EQ(rectToSpherical(0, 0, 1).declinationDeg, 90.0);
    EXPECT_DOUBLE_EQ(rectToSpherical(0, 0, -1).declinationDeg, -90.0);
    EXPECT_DOUBLE_EQ(rectToSpherical(0, 0, 0).rightAscensionDeg, 0.0);
    EXPECT_NEAR(rectToSpherical(-1, 0.0001, 0).rightAscensionDeg, 179.9943, 1e-3);
    EXPECT_NEAR(rectToSpherical(0, -1, 0).rightAscensionDeg, 270.0, 1e-8);
    EXPECT_NEAR(rectToSpherical(1, 0, 1).declinationDeg, 45.0, 1e-8);
}

}  // namespace
}  // namespace helion
