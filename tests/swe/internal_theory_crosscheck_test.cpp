// The internal theory against the Swiss Ephemeris, 1900-2100. Each limit sits just above
// the largest difference measured, so a wrong or missing main term shows up. The theory
// takes T from the UT Julian day, the library Terrestrial Time: the Moon's figures include
// Delta T (up to 90 s by 2100, some 50"); the theory alone stays within 20" of its Moon.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "core/astro/angles.h"
#include "core/astro/internal_theory.h"
#include "core/astro/julian_day.h"
#include "swe/reference_node.h"
#include "swe/swiss_ephemeris.h"

namespace helion {
namespace {

double longitudeGap(double a, double b) { return std::fabs(wrap180(normalize360(a) - normalize360(b))); }

// Every body's longitude and declination in degrees; the mean node (measured 9.6").
TEST(InternalTheoryCrossCheck, FullRunFollowsTheLibrary) {
    const SwissEphemeris eph(ephemerisPath(HELION_SOURCE_DIR "/data"));
    const struct {
        Point point;
        double longitudeDeg, declinationDeg;
    } limits[] = {
        {Point::Sun, 0.0055, 0.004},  {Point::Mercury, 0.03, 0.013},  {Point::Venus, 0.035, 0.016},
        {Point::Mars, 0.07, 0.025},   {Point::Jupiter, 0.23, 0.09},   {Point::Saturn, 0.43, 0.155},
        {Point::Uranus, 0.31, 0.115}, {Point::Neptune, 0.115, 0.045}, {Point::Pluto, 0.03, 0.019},
        {Point::Moon, 0.0225, 0.012},
    };
    PointTable longitude{}, declination{};
    double node = 0.0;
    for (double jd = 2415020.5; jd <= 2488069.5; jd += 9.7) {
        const double t = julianCenturies(jd);
        const theory::TheoryPositions ours = theory::fullRun(t, meanObliquity(t));
        for (const auto& limit : limits) {
            const Point i = limit.point;
            const int body = ephemerisBody(i);
            longitude[i] =
                std::max(longitude[i], longitudeGap(ours.longitude[i], eph.longitude(jd, body).longitudeDeg));
            declination[i] = std::max(declination[i], std::fabs(ours.declination[i] - eph.declination(jd, body)));
        }
        node = std::max(node, longitudeGap(theory::meanLunarNode(t), referenceMeanNode(jd)));
    }
    for (const auto& limit : limits) {
        EXPECT_LT(longitude[limit.point], limit.longitudeDeg) << "point " << pointNumber(limit.point);
        EXPECT_LT(declination[limit.point], limit.declinationDeg) << "point " << pointNumber(limit.point);
    }
    EXPECT_LT(node * 3600.0, 10.5);
}

}  // namespace
}  // namespace helion
