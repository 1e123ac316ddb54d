#include "swe/swiss_ephemeris.h"

#include <gtest/gtest.h>

namespace helion {
namespace {

TEST(SwissEphemeris, SunAtJ2000) {
    SwissEphemeris eph(ephemerisPath(HELION_SOURCE_DIR "/data"));
    // Apparent geocentric longitude of the Sun at 2000 January 1.5 TT is 280.37 degrees.
    EXPECT_NEAR(eph.longitude(2451545.0, body::Sun).longitudeDeg, 280.37, 0.01);
    EXPECT_NEAR(eph.declination(2451545.0, body::Sun), -23.03, 0.02);
}

}  // namespace
}  // namespace helion
