#pragma once
// The points that move over a natal chart in a timeline search, each with the step its
// motion allows, how far beyond the period its orb periods are followed, and when a
// crossing found between samples is solved again on the ephemeris.

#include <vector>

#include "core/astro/ephemeris.h"
#include "core/astro/points.h"
#include "core/events/event.h"
#include "core/events/sampled_track.h"

namespace helion {

struct MovingPoint {
    Mover mover = Mover::Transit;
    Point body = Point::Sun;
    LongitudeSource source;
    PolishRule polish;
    double stepDays = 1.0;
    double marginDays = 0.0;       // the search runs this far beyond each end of the period
    PositionSource position = {};  // the longitude alone, where the ephemeris gives it cheaper
};

// The natal chart's moment and the constants of its directions.
struct NatalFrame {
    double jdUt = 0.0;
    PointTable longitude{};
    double obliquityDeg = 0.0;
    double latitudeDeg = 0.0;  // where the directed Ascendant rises: the diurnal place
};

// Transiting Sun, Mercury .. Pluto, the mean north node and, when asked, the Moon.
std::vector<MovingPoint> transitPoints(const Ephemeris& ephemeris, bool withMoon);

// The day-for-a-year bodies (Sun .. Pluto, Moon) and the angles they direct.
std::vector<MovingPoint> progressedPoints(const Ephemeris& ephemeris, const NatalFrame& natal);

// The natal Moon and Mercury .. Pluto carried on by the progressed Sun's arc. The
// directed Sun and angles are the progressed ones and are found with them.
std::vector<MovingPoint> solarArcPoints(const Ephemeris& ephemeris, const NatalFrame& natal);

// The transiting Moon's distance ahead of the Sun, for the lunations.
MovingPoint moonPhase(const Ephemeris& ephemeris);

}  // namespace helion
