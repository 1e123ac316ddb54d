#pragma once
// Positions of the Sun, Moon and planets at a moment in Universal Time, and the house
// systems the program takes from the same library. The desktop and the command line use
// the Swiss Ephemeris (src/swe); tests use fixed positions.

#include <array>

#include "core/astro/house_system.h"
#include "core/astro/points.h"

namespace helion {

// Body numbers as the ephemeris library counts them: the Sun 0, the Moon 1, Mercury 2 ..
// Pluto 9, which are the planets' printed point numbers.
namespace body {
inline constexpr int Sun = 0;
inline constexpr int Moon = 1;
inline constexpr int Mercury = 2;
inline constexpr int Pluto = 9;
}  // namespace body

// The library's number of one of the bodies Sun .. Moon.
constexpr int ephemerisBody(Point body) {
    if (body == Point::Sun) return body::Sun;
    if (body == Point::Moon) return body::Moon;
    return pointNumber(body);
}

// How a position comes about: from the ephemeris files, from the library's analytical
// theory because no file covers the moment, or not at all (outside the library's range
// the position is meaningless). Ordered from best to worst.
enum class EphemerisReach { Files, AnalyticalTheory, Beyond };

struct LongitudeAndSpeed {
    double longitudeDeg;    // geocentric tropical ecliptic longitude of date
    double speedDegPerDay;  // daily motion in longitude
    // The declination of the same body and moment comes from the same files.
    EphemerisReach reach;
};

// Cusps in natural house order: entry h is the cusp of house h (1..12); entry 0 unused.
using NaturalCusps = std::array<double, 13>;

class Ephemeris {
public:
    virtual ~Ephemeris() = default;
    virtual LongitudeAndSpeed longitude(double jdUt, int body) const = 0;
    // The longitude alone, which a library may work out faster than with the speed.
    virtual double longitudeWithoutSpeed(double jdUt, int body) const { return longitude(jdUt, body).longitudeDeg; }
    // Declination in degrees, north positive.
    virtual double declination(double jdUt, int body) const = 0;
    // The twelve cusps of a house system at a right ascension of the meridian (ARMC), a
    // geographic latitude (north positive) and an obliquity, all in degrees.
    virtual NaturalCusps housesAtArmc(HouseSystem system, double armcDeg, double latitudeDeg,
                                      double obliquityDeg) const = 0;
};

}  // namespace helion
