#include "core/astro/progressions.h"

#include <cmath>

#include "core/astro/angles.h"
#include "core/astro/houses.h"

namespace helion {
namespace {

constexpr double kDaysPerYear = 365.25;
constexpr double kSiderealMonthDays = 27.32166088;
constexpr double kCrossingToleranceDays = 0.00007;  // about six seconds of time
constexpr int kCrossingMaxIterations = 100;

double moonOffset(const Ephemeris& ephemeris, double jd, double targetDeg) {
    return wrap180(ephemeris.longitude(jd, body::Moon).longitudeDeg - targetDeg);
}

}  // namespace

double progressedMoment(double jdNatal, double jdDiurnal) { return jdNatal + (jdDiurnal - jdNatal) / kDaysPerYear; }

double minorFirstGuess(double jdNatal, double jdDiurnal) {
    return jdNatal + (jdDiurnal - jdNatal) * kSiderealMonthDays / kDaysPerYear;
}

std::optional<double> minorMoment(const Ephemeris& ephemeris, double natalSun, double natalMoon, double diurnalSun,
                                  double jdNatal, double jdDiurnal) {
    const double elongation = normalize360(natalMoon - natalSun);
    const double target = normalize360(diurnalSun + elongation);
    const double guess = minorFirstGuess(jdNatal, jdDiurnal);
    for (int offset = -2; offset <= 2; ++offset) {
        const double start = guess + offset;
        const double r =
            findMoonCrossing(ephemeris, target, start, start + 1.0, kCrossingToleranceDays, kCrossingMaxIterations);
        if (start <= r && r <= start + 1.0) return r;
    }
    return std::nullopt;
}

double findMoonCrossing(const Ephemeris& ephemeris, double targetDeg, double a, double b, double toleranceDays,
                        int maxIterations) {
    if (maxIterations < 1) return 0.0;
    for (int i = 1;; ++i) {
        const double fb = moonOffset(ephemeris, b, targetDeg);
        const double fa = moonOffset(ephemeris, a, targetDeg);
        double step = 0.0;
        if (fb == fa) {
            b = (a + b) / 2.0;
        } else {
            step = (b - a) / (fb - fa) * fb;
        }
        // The Moon moves about 13 degrees a day: a larger jump means a wrap or a bad start.
        if (i >= 2 && std::fabs(fb - fa) > 20.0) return 0.0;
        if (std::fabs(step) < toleranceDays) return b;
        a = b;
        if (std::fabs(step) >= 1.001) return 0.0;
        b -= step;
        if (i + 1 > maxIterations) return 0.0;
    }
}

DirectedAngles solarArcAngles(double sunDeg, double natalSunDeg, double natalMidheavenDeg, double natalObliquityDeg,
                              double latitudeDeg) {
    const double midheaven = normalize360(sunDeg + natalMidheavenDeg - natalSunDeg);
    // Right ascension of the directed Midheaven, in the Midheaven's own quadrant.
    const double ramc =
        normalize360(radToDeg(std::atan2(sinDeg(midheaven) * cosDeg(natalObliquityDeg), cosDeg(midheaven))));
    return {midheaven, ascendantFor(ramc, natalObliquityDeg, latitudeDeg)};
}

}  // namespace helion
