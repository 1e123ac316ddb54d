#include "core/astro/lunation_search.h"

#include <cmath>

#include "core/astro/angles.h"
#include "core/astro/internal_theory.h"
#include "core/astro/julian_day.h"

namespace helion {
namespace {

constexpr double kTolerance = 1.0 / 7200.0;  // half a second of arc
constexpr double kStepAfterNewMoon = 340.0;

}  // namespace

NewMoonSearch findNewMoons(double startT, int count, int stepLimit) {
    NewMoonSearch search;
    double t = startT;
    int steps = 0;
    while (static_cast<int>(search.newMoons.size()) < count) {
        if (++steps > stepLimit) {
            search.complete = false;
            break;
        }
        double sun = normalize360(theory::solarLongitude(t));
        const double moon = normalize360(theory::lunarLongitude(t));
        double distance = std::fabs(sun - moon);
        if (distance >= 180.0 && sun < moon) {
            // The Moon trails the Sun across 0 Aries.
            sun += 360.0;
            distance = std::fabs(sun - moon);
        }
        if (distance < kTolerance) {
            search.newMoons.push_back({t, normalize360(sun)});
            distance = kStepAfterNewMoon;
            steps = 0;
        }
        t += distance / 15.0 / kDaysPerCentury;
    }
    return search;
}

}  // namespace helion
