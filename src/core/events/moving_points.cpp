#include "core/events/moving_points.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>

#include "core/astro/angles.h"
#include "core/astro/internal_theory.h"
#include "core/astro/julian_day.h"
#include "core/astro/progressions.h"

namespace helion {
namespace {

constexpr double kDaysPerYear = 365.25;
// A planet's light passing close to the Sun is bent by the Sun's mass; the ephemeris
// follows that bend, which the cubic between samples cannot within a few degrees.
constexpr double kNearSunDeg = 3.0;
// Progressions move a day of ephemeris in a year of life. With samples this many times
// longer than a transit's (a 4.4th of the ephemeris step, 365.25 times stretched), the
// cubic's error in real time stays what it is for the transits.
constexpr double kProgressedStepFactor = 83.0;
constexpr double kProgressedMarginCapDays = 3.0 * kDaysPerYear;

struct Motion {
    Point body;
    double stepDays;     // sample step that keeps the interpolation's error far below a second
    double marginDays;   // how long its orb periods around the period are followed
    double polishBelow;  // solve again on the ephemeris when slower (degrees a day)
    // The step for its progression, before the stretch below. A second of real time is a
    // 365th of one there, and the small error of the library's own speed, which a longer
    // step multiplies, has to stay below it: Mercury keeps the shorter step it needs.
    double progressedStepDays = 0.0;
};

// Found by comparing the interpolation with the ephemeris over ten years: away from the
// Sun its error stays under 2e-6 degrees for Mercury .. Mars and 1e-5 for the slower
// planets, which are therefore always solved again (they make few events). The Sun's
// and Venus's smooth paths keep the crossings the polynomial through four samples finds
// within a few tenths of a second of the ephemeris's at two days, as over a century of
// three charts' transits, with the same events found.
constexpr Motion kSun{Point::Sun, 2.0, 5.0, 0.0, 1.0};
constexpr Motion kMoon{Point::Moon, 0.25, 2.0, 0.0, 0.25};
constexpr Motion kPlanetMotions[] = {{Point::Mercury, 1.0, 30.0, 0.3, 0.5},  {Point::Venus, 2.0, 30.0, 0.2, 1.0},
                                     {Point::Mars, 2.0, 45.0, 0.35, 2.0},    {Point::Jupiter, 4.0, 120.0, 1e9, 4.0},
                                     {Point::Saturn, 4.0, 120.0, 1e9, 4.0},  {Point::Uranus, 4.0, 120.0, 1e9, 4.0},
                                     {Point::Neptune, 4.0, 120.0, 1e9, 4.0}, {Point::Pluto, 4.0, 120.0, 1e9, 4.0}};
constexpr Motion kNode{Point::NorthNode, 8.0, 60.0, 0.0};

LongitudeSource bodySource(const Ephemeris& ephemeris, Point point) {
    const int b = ephemerisBody(point);
    return [&ephemeris, b](double jd) { return ephemeris.longitude(jd, b); };
}

PositionSource bodyPosition(const Ephemeris& ephemeris, Point point) {
    const int b = ephemerisBody(point);
    return [&ephemeris, b](double jd) { return ephemeris.longitudeWithoutSpeed(jd, b); };
}

LongitudeAndSpeed meanNode(double jd) {
    constexpr double kDelta = 0.01;
    const auto at = [](double day) { return theory::meanLunarNode(julianCenturies(day)); };
    return {normalize360(at(jd)), (at(jd + kDelta) - at(jd - kDelta)) / (2.0 * kDelta), EphemerisReach::Files};
}

// Slow, or close enough to the Sun for its light to bend (the program's own solar
// theory is near enough to tell). A point more than 2 degrees beyond that from the mean
// Sun is far from the apparent one, which most are: the full theory is spared.
bool needsPolish(const Motion& m, double jd, double longitudeDeg, double speed) {
    if (std::fabs(speed) < m.polishBelow) return true;
    const double t = julianCenturies(jd);
    const double longitude = normalize360(longitudeDeg);
    if (std::fabs(wrap180(longitude - normalize360(theory::meanSolarLongitude(t)))) > kNearSunDeg + 2.0) return false;
    return std::fabs(wrap180(longitude - normalize360(theory::solarLongitude(t)))) < kNearSunDeg;
}

PolishRule transitRule(const Motion& m) {
    if (m.polishBelow <= 0.0) return {};
    return [m](double jd, double lon, double speed) { return needsPolish(m, jd, lon, speed); };
}

// The same rule read in the ephemeris day the progression stands on.
PolishRule progressedRule(const Motion& m, double natalJd) {
    if (m.polishBelow <= 0.0) return {};
    return [m, natalJd](double jd, double lon, double speed) {
        return needsPolish(m, progressedMoment(natalJd, jd), lon, speed * kDaysPerYear);
    };
}

MovingPoint transitPoint(const Motion& m, LongitudeSource source, PositionSource position = {}) {
    return {Mover::Transit, m.body, std::move(source), transitRule(m), m.stepDays, m.marginDays, std::move(position)};
}

// The progressed Sun is read by every solar-arc point and the angles on the same
// samples: one ephemeris call serves them all.
LongitudeSource progressedSource(const Ephemeris& ephemeris, Point point, double natalJd) {
    auto cache = std::make_shared<std::map<double, LongitudeAndSpeed>>();
    const int b = ephemerisBody(point);
    return [&ephemeris, b, natalJd, cache](double jd) {
        const auto found = cache->find(jd);
        if (found != cache->end()) return found->second;
        LongitudeAndSpeed p = ephemeris.longitude(progressedMoment(natalJd, jd), b);
        p.speedDegPerDay /= kDaysPerYear;
        cache->emplace(jd, p);
        return p;
    };
}

MovingPoint progressedPoint(const Motion& m, Mover mover, LongitudeSource source, double natalJd) {
    return {mover,
            m.body,
            std::move(source),
            progressedRule(m, natalJd),
            m.progressedStepDays * kProgressedStepFactor,
            std::min(m.marginDays * kDaysPerYear, kProgressedMarginCapDays)};
}

std::vector<Motion> progressedMotions() {
    std::vector<Motion> motions{kSun};
    motions.insert(motions.end(), std::begin(kPlanetMotions), std::end(kPlanetMotions));
    motions.push_back(kMoon);
    return motions;
}

LongitudeSource shifted(LongitudeSource source, double offsetDeg) {
    return [source = std::move(source), offsetDeg](double jd) {
        LongitudeAndSpeed p = source(jd);
        p.longitudeDeg = normalize360(p.longitudeDeg + offsetDeg);
        return p;
    };
}

// The natal Ascendant directed by the arc: it rises with the directed Midheaven; its
// motion follows the Midheaven's through the slope of that rising.
LongitudeSource directedAscendant(LongitudeSource sun, const NatalFrame& natal) {
    return [sun = std::move(sun), natal](double jd) {
        constexpr double kDeltaDeg = 0.001;
        const LongitudeAndSpeed s = sun(jd);
        const auto ascendant = [&](double sunDeg) {
            return solarArcAngles(sunDeg, natal.longitude[Point::Sun], natal.longitude[Point::Midheaven],
                                  natal.obliquityDeg, natal.latitudeDeg)
                .ascendantDeg;
        };
        const double slope =
            wrap180(ascendant(s.longitudeDeg + kDeltaDeg) - ascendant(s.longitudeDeg - kDeltaDeg)) / (2.0 * kDeltaDeg);
        return LongitudeAndSpeed{ascendant(s.longitudeDeg), slope * s.speedDegPerDay, s.reach};
    };
}

}  // namespace

std::vector<MovingPoint> transitPoints(const Ephemeris& ephemeris, bool withMoon) {
    const auto moving = [&](const Motion& m) {
        return transitPoint(m, bodySource(ephemeris, m.body), bodyPosition(ephemeris, m.body));
    };
    std::vector<MovingPoint> points{moving(kSun)};
    for (const Motion& m : kPlanetMotions) points.push_back(moving(m));
    points.push_back(transitPoint(kNode, meanNode));
    if (withMoon) points.push_back(moving(kMoon));
    return points;
}

std::vector<MovingPoint> progressedPoints(const Ephemeris& ephemeris, const NatalFrame& natal) {
    std::vector<MovingPoint> points;
    for (const Motion& m : progressedMotions()) {
        points.push_back(
            progressedPoint(m, Mover::Progressed, progressedSource(ephemeris, m.body, natal.jdUt), natal.jdUt));
    }
    const LongitudeSource sun = points.front().source;
    const double midheavenArc = natal.longitude[Point::Midheaven] - natal.longitude[Point::Sun];
    const Motion midheaven{Point::Midheaven, kSun.stepDays, kSun.marginDays, 0.0, kSun.progressedStepDays};
    const Motion ascendant{Point::Ascendant, kSun.stepDays, kSun.marginDays, 0.0, kSun.progressedStepDays};
    points.push_back(progressedPoint(midheaven, Mover::Progressed, shifted(sun, midheavenArc), natal.jdUt));
    points.push_back(progressedPoint(ascendant, Mover::Progressed, directedAscendant(sun, natal), natal.jdUt));
    return points;
}

std::vector<MovingPoint> solarArcPoints(const Ephemeris& ephemeris, const NatalFrame& natal) {
    const LongitudeSource sun = progressedSource(ephemeris, Point::Sun, natal.jdUt);
    std::vector<MovingPoint> points;
    for (const Motion& m : progressedMotions()) {
        if (m.body == Point::Sun) continue;
        const double arc = natal.longitude[m.body] - natal.longitude[Point::Sun];
        points.push_back(progressedPoint({m.body, kSun.stepDays, kSun.marginDays, 0.0, kSun.progressedStepDays},
                                         Mover::SolarArc, shifted(sun, arc), natal.jdUt));
    }
    return points;
}

// The phase grows some 12 degrees a day and never turns back, and every lunation is solved
// on the ephemeris: the samples only find it and start the solving close, which two days'
// samples of the polynomial through four of them do to a fraction of a second.
MovingPoint moonPhase(const Ephemeris& ephemeris) {
    constexpr Motion kPhase{Point::Moon, 2.0, 0.0, 1e9};
    LongitudeSource source = [&ephemeris](double jd) {
        const LongitudeAndSpeed moon = ephemeris.longitude(jd, body::Moon);
        const LongitudeAndSpeed sun = ephemeris.longitude(jd, body::Sun);
        return LongitudeAndSpeed{normalize360(moon.longitudeDeg - sun.longitudeDeg),
                                 moon.speedDegPerDay - sun.speedDegPerDay, std::max(moon.reach, sun.reach)};
    };
    PositionSource position = [&ephemeris](double jd) {
        return normalize360(ephemeris.longitudeWithoutSpeed(jd, body::Moon) -
                            ephemeris.longitudeWithoutSpeed(jd, body::Sun));
    };
    return {Mover::Transit,  Point::Moon,       std::move(source),  [](double, double, double) { return true; },
            kPhase.stepDays, kPhase.marginDays, std::move(position)};
}

}  // namespace helion
