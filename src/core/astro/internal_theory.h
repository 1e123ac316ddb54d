#pragma once
// The program's own approximate theory of the Sun, Moon and planets, computed from the
// time alone. Its mean lunar node becomes every chart's north and south node, and its
// Sun and Moon drive the new-moon search; the ephemeris library replaces the rest.
//
// Every function takes T, Julian centuries from JD 2415020 (T = (JD - 2415020) / 36525).
// T is used as the theory's own time argument, without a Delta T correction.

#include <array>

#include "core/astro/points.h"

namespace helion::theory {

// Apparent geocentric longitude of the Sun in degrees, not reduced.
double solarLongitude(double t);

// The Sun's mean longitude in degrees, not reduced. The apparent Sun stays within 2
// degrees of it: the equation of the centre reaches 1.92, the rest some 0.02.
double meanSolarLongitude(double t);

// Apparent geocentric longitude of the Moon in degrees, not reduced.
double lunarLongitude(double t);

// Geocentric ecliptic latitude of the Moon in degrees.
double lunarLatitude(double t);

// Longitude of the Moon's mean ascending node in degrees, not reduced.
double meanLunarNode(double t);

// The chart's north and south nodes: the mean ascending node and the point exactly
// opposite, both on the ecliptic, reduced to [0, 360).
struct NodeLongitudes {
    double north;
    double south;
};
NodeLongitudes meanNodes(double t);

// Nutation in longitude (degrees) as the theory applies it to the Sun and the Moon alike,
// so that their conjunction is found in one frame.
double nutationInLongitude(double t);

struct EclipticPosition {
    double longitudeDeg;  // not reduced
    double latitudeDeg;
};

// Geocentric positions of Mercury .. Pluto (the other entries unused).
PointArray<EclipticPosition> planetPositions(double t);

struct TheoryPositions {
    PointTable longitude{};    // the Sun .. the South Node, reduced to [0, 360)
    PointTable latitude{};     // ecliptic latitudes (Moon, planets; 0 for Sun and nodes)
    PointTable declination{};  // the Sun .. the South Node
};

// Every body of the theory for one moment; obliquityDeg is the mean obliquity of that
// moment.
TheoryPositions fullRun(double t, double obliquityDeg);

}  // namespace helion::theory
