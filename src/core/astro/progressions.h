#pragma once
// Secondary (day-for-a-year) and minor (sidereal-month-for-a-year) progressions, and
// the solar-arc rule that directs the natal angles.

#include <optional>

#include "core/astro/ephemeris.h"

namespace helion {

// One day after birth for each year of life.
double progressedMoment(double jdNatal, double jdDiurnal);

// One sidereal month (27.32166088 days) after birth for each year of life: the first
// guess of the minor-progressed moment.
double minorFirstGuess(double jdNatal, double jdDiurnal);

// The moment near the first guess at which the Moon stands as far ahead of the diurnal
// Sun as it stood ahead of the Sun at birth. Empty when no start day of the five-day
// window around the guess finds the crossing inside its own day.
std::optional<double> minorMoment(const Ephemeris& ephemeris, double natalSun, double natalMoon, double diurnalSun,
                                  double jdNatal, double jdDiurnal);

// Secant search for the moment at which the Moon's longitude equals targetDeg, started
// from days a and b. Returns 0 when it fails; the result may lie outside [a, b].
double findMoonCrossing(const Ephemeris& ephemeris, double targetDeg, double a, double b, double toleranceDays,
                        int maxIterations);

struct DirectedAngles {
    double midheavenDeg;
    double ascendantDeg;
};

// The natal Midheaven moved by the arc the Sun has travelled (sunDeg - natalSunDeg),
// and the Ascendant that rises with it at latitudeDeg under the natal obliquity.
DirectedAngles solarArcAngles(double sunDeg, double natalSunDeg, double natalMidheavenDeg, double natalObliquityDeg,
                              double latitudeDeg);

}  // namespace helion
