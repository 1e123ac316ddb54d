// The Sun after Meeus, Astronomical Formulae for Calculators: mean longitude, the
// equation of the centre from the Earth's eccentricity, small periodic corrections from
// Venus, Jupiter, the Moon and a long-period term, then aberration and nutation.

#include <array>

#include "core/astro/angles.h"
#include "core/astro/internal_theory.h"

namespace helion::theory {
namespace {

constexpr double kArcSecond = 1.0 / 3600.0;

// A correction amplitude * trig(phase + rate * T), amplitude in seconds of arc.
struct SolarCorrection {
    double amplitudeArcSec;
    double phaseDeg;
    double rateDegPerCentury;
    bool cosine;
};

constexpr std::array<SolarCorrection, 5> kCorrections{{
    {4.8, 153.23, 22518.7541, true},    // Venus
    {5.5, 216.57, 45037.5082, true},    // Venus
    {7.2, 312.69, 32964.3577, true},    // Jupiter
    {6.4, 350.74, 445267.1142, false},  // the Moon (the Earth's motion about the barycentre)
    {6.4, 231.19, 20.20, false},        // long-period term
}};

constexpr double kAberrationDeg = -0.00569;

double eccentricity(double t) { return 0.01675104 - 0.0000418 * t - 0.000000126 * t * t; }

// The Earth's mean anomaly from its element set (epoch J2000, that is T - 1).
double meanAnomaly(double t) { return 357.5256 + 35999.0498 * (t - 1.0); }

// Equation of the centre as a series in the eccentricity (degrees).
double equationOfCentre(double e, double meanAnomalyDeg) {
    const double m = normalize360(meanAnomalyDeg);
    const double radians = (2.0 * e - e * e * e / 4.0) * sinDeg(m) + 1.25 * e * e * sinDeg(2.0 * m) +
                           13.0 / 12.0 * e * e * e * sinDeg(3.0 * m);
    return radToDeg(radians);
}

double periodicCorrections(double t) {
    double sum = 0.0;
    for (const SolarCorrection& c : kCorrections) {
        const double argument = normalize360(c.phaseDeg + c.rateDegPerCentury * t);
        sum += c.amplitudeArcSec * (c.cosine ? cosDeg(argument) : sinDeg(argument));
    }
    return sum * kArcSecond;
}

}  // namespace

double meanSolarLongitude(double t) { return 279.696678 + 36000.768925 * t + 0.0003025 * t * t; }

double solarLongitude(double t) {
    const double trueLongitude =
        meanSolarLongitude(t) + equationOfCentre(eccentricity(t), meanAnomaly(t)) + periodicCorrections(t);
    return trueLongitude + kAberrationDeg + nutationInLongitude(t);
}

}  // namespace helion::theory
