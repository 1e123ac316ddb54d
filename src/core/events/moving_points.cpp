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
    double stepDays;     // sample step that keeps the cubic's error far below a second
    double marginDays;   // how long its orb periods around the period are followed
    double polishBelow;  // solve again on the ephemeris when slower (degrees a day)
};

// Found by comparing the cubic with the ephemeris over ten years: away from the Sun its
// error stays under 2e-6 degrees for Mercury .. Mars and 1e-5 for the slower planets,
// which are therefore always solved again (they make few events).
constexpr Motion kSun{Point::Sun, 1.0, 5.0, 0.0};
constexpr Motion kMoon{Point::Moon, 0.25, 2.0, 0.0};
constexpr Motion kPlanetMotions[] = {{Point::Mercury, 0.5, 30.0, 0.3},  {Point::Venus, 1.0, 30.0, 0.2},
                                     {Point::Mars, 2.0, 45.0, 0.35},    {Point::Jupiter, 4.0, 120.0, 1e9},
                                     {Point::Saturn, 4.0, 120.0, 1e9},  {Point::Uranus, 4.0, 120.0, 1e9},
                                     {Point::Neptune, 4.0, 120.0, 1e9}, {Point::Pluto, 4.0, 120.0, 1e9}};
constexpr Motion kNode{Point::NorthNode, 8.0, 60.0, 0.0};

LongitudeSource bodySource(const Ephemeris& ephemeris, Point point) {
    const int b = ephemerisBody(point);
    return [&ephemeris, b](double jd) { return ephemeris.longitude(jd, b); };
}

LongitudeAndSpeed meanNode(double jd) {
    constexpr double kDelta = 0.01;
    const auto at = [](double day) { return theory::meanLunarNode(julianCenturies(day)); };
    return {normalize360(at(jd)), (at(jd + kDelta) - at(jd - kDelta)) / (2.0 * kDelta), EphemerisReach::Files};
}

// Slow, or close enough to the Sun for its light to bend (the program's own solar
// theory is near enough to tell).
bool needsPolish(const Motion& m, double jd, double longitudeDeg, double speed) {
    if (std::fabs(speed) < m.polishBelow) return true;
    const double sunDeg = normalize360(theory::solarLongitude(julianCenturies(jd)));
    return std::fabs(wrap180(normalize360(longitudeDeg) - sunDeg)) < kNearSunDeg;
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

MovingPoint transitPoint(const Motion& m, LongitudeSource source) {
    return {Mover::Transit, m.body, std::move(source), transitRule(m), m.stepDays, m.marginDays};
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
            m.stepDays * kProgressedStepFactor,
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
    std::vector<MovingPoint> points{transitPoint(kSun, bodySource(ephemeris, Point::Sun))};
    for (const Motion& m : kPlanetMotions) points.push_back(transitPoint(m, bodySource(ephemeris, m.body)));
    points.push_back(transitPoint(kNode, meanNode));
    if (withMoon) points.push_back(transitPoint(kMoon, bodySource(ephemeris, Point::Moon)));
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
    const Motion midheaven{Point::Midheaven, kSun.stepDays, kSun.marginDays, 0.0};
    const Motion ascendant{Point::Ascendant, kSun.stepDays, kSun.marginDays, 0.0};
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
        points.push_back(progressedPoint({m.body, kSun.stepDays, kSun.marginDays, 0.0}, Mover::SolarArc,
                                         shifted(sun, arc), natal.jdUt));
    }
    return points;
}

MovingPoint moonPhase(const Ephemeris& ephemeris) {
    constexpr Motion kPhase{Point::Moon, 1.0, 0.0, 1e9};
    LongitudeSource source = [&ephemeris](double jd) {
        const LongitudeAndSpeed moon = ephemeris.longitude(jd, body::Moon);
        const LongitudeAndSpeed sun = ephemeris.longitude(jd, body::Sun);
        return LongitudeAndSpeed{normalize360(moon.longitudeDeg - sun.longitudeDeg),
                                 moon.speedDegPerDay - sun.speedDegPerDay, std::max(moon.reach, sun.reach)};
    };
    return {Mover::Transit,  Point::Moon,      std::move(source), [](double, double, double) { return true; },
            kPhase.stepDays, kPhase.marginDays};
}

}  // namespace helion
