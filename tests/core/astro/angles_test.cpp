#include "core/astro/angles.h"

#include <gtest/gtest.h>

namespace helion {
namespace {

TEST(DecodeDms, UnpacksDegreesMinutes) {
    EXPECT_DOUBLE_EQ(decodeDms(10.30), 10.5);
    EXPECT_NEAR(decodeDms(74.59), 74.98333333, 1e-8);
    EXPECT_DOUBLE_EQ(decodeDms(0.0), 0.0);
}

TEST(Normalize360, ReducesIntoOneTurn) {
    EXPECT_DOUBLE_EQ(normalize360(-30.0), 330.0);
    EXPECT_DOUBLE_EQ(normalize360(720.0), 0.0);
    EXPECT_DOUBLE_EQ(normalize360(359.5), 359.5);
}

// pi is the program's ten-decimal value, so angles are exact to about 1e-10 only.
constexpr double kPiTolerance = 1e-10;

TEST(PolarRect, QuadrantsOfRectToPolar) {
    // Y = 0 is replaced by a tiny positive value, so (-1, 0) lands just below pi.
    const Polar left = rectToPolar({-1.0, 0.0});
    EXPECT_LT(left.angle, kPi);
    EXPECT_NEAR(left.angle, kPi, 1e-8);
    EXPECT_NEAR(rectToPolar({1.0, -1.0}).angle, 7.0 * kPi / 4.0, kPiTolerance);
    EXPECT_NEAR(rectToPolar({-1.0, -1.0}).angle, 5.0 * kPi / 4.0, kPiTolerance);
    EXPECT_NEAR(rectToPolar({3.0, 4.0}).radius, 5.0, 1e-12);
    const Rect back = polarToRect({0.0, 2.0});  // an exact zero angle is nudged
    EXPECT_NEAR(back.x, 2.0, 1e-12);
    EXPECT_GT(back.y, 0.0);
}

TEST(RectToSpherical, PolesAndQuadrants) {
    EXPECT_DOUBLE_EQ(rectToSpherical(0, 0, 1).declinationDeg, 90.0);
    EXPECT_DOUBLE_EQ(rectToSpherical(0, 0, -1).declinationDeg, -90.0);
    EXPECT_DOUBLE_EQ(rectToSpherical(0, 0, 0).rightAscensionDeg, 0.0);
    EXPECT_NEAR(rectToSpherical(0, 1, 0).rightAscensionDeg, 90.0, 1e-8);
    EXPECT_NEAR(rectToSpherical(-1, 0.0001, 0).rightAscensionDeg, 179.9943, 1e-3);
    EXPECT_NEAR(rectToSpherical(0, -1, 0).rightAscensionDeg, 270.0, 1e-8);
    EXPECT_NEAR(rectToSpherical(1, 0, 1).declinationDeg, 45.0, 1e-8);
}

TEST(EclipticDeclination, SolsticesAndEquinoxes) {
    EXPECT_NEAR(eclipticDeclination(90.0, 23.44), 23.44, 1e-6);
    EXPECT_NEAR(eclipticDeclination(270.0, 23.44), -23.44, 1e-6);
    EXPECT_NEAR(eclipticDeclination(0.0, 23.44), 0.0, 1e-9);
    EXPECT_NEAR(eclipticDeclination(180.0, 23.44), 0.0, 1e-8);
}

TEST(Wrap180, KeepsDifferencesContinuousAcrossAries) {
    EXPECT_DOUBLE_EQ(wrap180(350.0), -10.0);
    EXPECT_DOUBLE_EQ(wrap180(-350.0), 10.0);
    EXPECT_DOUBLE_EQ(wrap180(179.0), 179.0);
    EXPECT_DOUBLE_EQ(wrap180(-180.0), -180.0);
}

}  // namespace
}  // namespace helion
