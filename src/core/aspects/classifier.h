#pragma once
// Aspect tests on the angular distance of two longitudes, and parallel tests on two
// declinations. Listings of directed and transiting bodies allow one degree either way;
// everything else uses the orbs it is given.

#include <optional>

#include "core/aspects/aspect_kinds.h"

namespace helion {

// Folds an absolute difference of longitudes (0..360) into the separation 0..180.
double foldSeparation(double absoluteDifference);

// The separation 0..180 of two longitudes in [0, 360).
double separationOf(double longitudeA, double longitudeB);

struct AspectFinding {
    std::optional<Aspect> aspect;
    double distance = 0.0;  // separation minus the exact angle; negative when inside it
};

// Sextile to quincunx and the conjunction, each within one degree (bounds count). The
// distance is kept to tenths, half a tenth rounding up; when nothing is found the
// distance is the separation.
AspectFinding classifyReportAspect(double separation);

// Every kind is tried and the last one that fits wins; the conjunction is tried after
// all others, so wide orbs favour it. Comparisons are made
// in single precision, like the orbs. The minor aspects are tested only when enabled. The distance is not rounded.
AspectFinding classifyWithOrbs(double separation, const OrbSet& orbs, bool minorAspects);

struct ParallelFinding {
    bool contra = false;      // the declinations lie on opposite sides of the equator
    double difference = 0.0;  // | |declination A| - |declination B| |
};

// Parallel when the declinations' sizes lie within the orb of each other (in single
// precision); contra when one is south of the equator and the other not (0 is north).
std::optional<ParallelFinding> findParallel(double declinationA, double declinationB, float orb);

}  // namespace helion
