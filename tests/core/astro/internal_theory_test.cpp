#include "core/astro/internal_theory.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "core/astro/angles.h"
#include "core/astro/julian_day.h"

namespace helion {
namespace {

constexpr double kArcSecond = 1.0 / 3600.0;
constexpr Point kNorth = Point::NorthNode;
constexpr Point kSouth = Point::SouthNode;

// Far from the elements' epochs every body still gets a finite position reduced into one
// turn and a declination no larger than obliquity plus latitude. The node regresses
// through many turns; the south node stays opposite, declinations taken on the ecliptic.
TEST(FullRun, ReducedFiniteAndNodesOppositeFarFromEpoch) {
    for (const double t : {-20.0, -2.5, -0.0001, 0.0, 0.5, 1.0, 1.2345, 3.0, 20.0}) {
        SCOPED_TRACE(t);
        const double obliquity = meanObliquity(t);
        const theory::TheoryPositions p = theory::fullRun(t, obliquity);
        for (const Point i : pointsFromTo<Point::Sun, Point::SouthNode>()) {
            EXPECT_GE(p.longitude[i], 0.0) << "point " << pointNumber(i);
            EXPECT_LT(p.longitude[i], 360.0) << "point " << pointNumber(i);
            EXPECT_LE(std::fabs(p.declination[i]), obliquity + std::fabs(p.latitude[i]) + 1e-9)
                << "point " << pointNumber(i);
        }
        EXPECT_NEAR(p.longitude[kNorth], normalize360(theory::meanLunarNode(t)), 1e-9);
        EXPECT_NEAR(std::fabs(wrap180(p.longitude[kSouth] - p.longitude[kNorth])), 180.0, 1e-9);
        // Opposite points, up to the program's ten-decimal pi.
        EXPECT_NEAR(p.declination[kSouth], -p.declination[kNorth], 1e-8);
    }
}

// The library cross-check covers 1900-2100, where the higher powers of time in the
// orbital elements and the slow perturbation arguments hardly count. Three thousand
// years back they do: the theory's own positions for 1000 BC, pinned.
TEST(PlanetPositions, PinnedFarFromTheCrossCheckedCenturies) {
    const struct {
        Point planet;
        double longitudeDeg, latitudeDeg;
    } rows[] = {
        {Point::Mercury, 239.6451519, -0.1764749},
        {Point::Jupiter, 21.1624956, -1.0798267},
        {Point::Saturn, 66.7957529, -0.9660792},
        {Point::Neptune, 189.3025020, 2.0250263},
    };
    const PointArray<theory::EclipticPosition> far = theory::planetPositions(-29.0);
    for (const auto& row : rows) {
        EXPECT_NEAR(normalize360(far[row.planet].longitudeDeg), row.longitudeDeg, 1e-6) << pointNumber(row.planet);
        EXPECT_NEAR(far[row.planet].latitudeDeg, row.latitudeDeg, 1e-6) << pointNumber(row.planet);
    }
}

// Worked examples of Meeus, Astronomical Algorithms (moments in dynamical time, which
// is the theory's own time argument).
TEST(SunAndMoon, MatchPublishedPositions) {
    const struct {
        const char* source;
        double jd;
        double (*position)(double t);
        double expectedDeg;
        double toleranceArcSec;  // measured gaps: 3.5", 3.8", 0.7"
    } cases[] = {
        {"Sun, ex. 25.b, apparent longitude", 2448908.5, theory::solarLongitude, 199.906060, 6.0},
        {"Moon, ex. 47.a, apparent longitude", 2448724.5, theory::lunarLongitude, 133.167265, 6.0},
        {"Moon, ex. 47.a, latitude", 2448724.5, theory::lunarLatitude, -3.229126, 1.5},
    };
    for (const auto& c : cases) {
        const double ours = c.position(julianCenturies(c.jd));
        EXPECT_NEAR(wrap180(normalize360(ours) - c.expectedDeg), 0.0, c.toleranceArcSec * kArcSecond) << c.source;
    }
}

// The timeline search skips the full solar theory for points more than 2 degrees beyond
// its near-Sun limit from the mean Sun; every 3 days of 1800..2200 the two stay closer.
TEST(SunAndMoon, ApparentSunStaysWithinTwoDegreesOfTheMeanSun) {
    double widest = 0.0;
    for (double jd = 2378496.5; jd < 2524593.5; jd += 3.0) {
        const double t = julianCenturies(jd);
        const double gap =
            wrap180(normalize360(theory::solarLongitude(t)) - normalize360(theory::meanSolarLongitude(t)));
        widest = std::max(widest, std::fabs(gap));
    }
    EXPECT_LT(widest, 2.0);
    EXPECT_GT(widest, 1.9);  // the equation of the centre is there
}

// The theory's Moon minus Sun, in degrees.
double elongation(double jd) {
    const double t = julianCenturies(jd);
    return wrap180(normalize360(theory::lunarLongitude(t)) - normalize360(theory::solarLongitude(t)));
}

// The lunation search needs the theory's Sun and Moon to meet smoothly, within half a
// second of arc, at the real new moon (its conjunction falls at most 1.5 minutes from
// the published moment: the theory's own error plus Delta T).
TEST(SunAndMoon, MeetAtKnownNewMoons) {
    const struct {
        CalendarDate date;
        int hourUt, minuteUt;
    } newMoons[] = {
        {{2000, 1, 6}, 18, 14},
        {{1999, 8, 11}, 11, 8},   // total solar eclipse
        {{2017, 8, 21}, 18, 30},  // total solar eclipse
        {{2024, 4, 8}, 18, 21},   // total solar eclipse
    };
    for (const auto& m : newMoons) {
        const double published = julianDay(dayNumber(m.date), (m.hourUt + m.minuteUt / 60.0) / 24.0);
        double a = published - 0.5, b = a + 0.1;  // secant search for elongation 0
        for (int step = 0; step < 20 && elongation(b) != elongation(a); ++step) {
            const double next = b - elongation(b) * (b - a) / (elongation(b) - elongation(a));
            a = b;
            b = next;
        }
        EXPECT_LT(std::fabs(elongation(b)), 0.5 * kArcSecond) << m.date.year;
        EXPECT_NEAR(b, published, 2.5 / 1440.0) << m.date.year;
    }
}

}  // namespace
}  // namespace helion
