#pragma once
// The Swiss Ephemeris house and Julian-day routines, wrapped for cross-checking the
// program's own house and calendar computations.

#include <array>

namespace helion {

struct ReferenceHouses {
    std::array<double, 13> cusp{};  // cusp[h] = cusp of house h (1..12); cusp[0] unused
    double ascendantDeg = 0.0;
    double midheavenDeg = 0.0;
    double armcDeg = 0.0;
    bool ok = false;  // false when the library fell back to another system (polar regions)
};

// Houses for a UT Julian day and a place given the library's way: latitude north positive,
// longitude EAST positive. withoutNutation leaves nutation out of the sidereal time and
// the obliquity (mean equinox of date).
ReferenceHouses referenceHouses(double jdUt, double latitudeDeg, double eastLongitudeDeg, char system,
                                bool withoutNutation);

// Houses for a given ARMC and obliquity: isolates the cusp formulas from the sidereal
// time and obliquity models.
ReferenceHouses referenceHousesFromArmc(double armcDeg, double latitudeDeg, double obliquityDeg, char system);

// Julian day of a Gregorian calendar date at hourUt hours.
double referenceJulianDay(int year, int month, int day, double hourUt);

}  // namespace helion
