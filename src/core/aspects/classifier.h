#pragma once
// Whether two bodies stand in an aspect (by ecliptic longitude) or a parallel (by
// declination), which one, and how far from exact. Two aspect classifiers share one
// measure of separation: a fixed orb of one degree for the progression and transit
// reports, and an orb set for the natal report, the wheels and the aspect grid.

#include <optional>
#include <span>

#include "core/aspects/aspect_kinds.h"

namespace helion {

// Folds an absolute difference of longitudes (0..360) into the separation 0..180.
double foldSeparation(double absoluteDifference);

// The separation 0..180 of two longitudes in [0, 360).
double separationOf(double longitudeA, double longitudeB);

struct AspectFinding {
    int code = code::None;
    double distance = 0.0;  // separation minus the exact angle; negative when inside it
};

// One degree either side of the eight major and semi-major aspects, bounds included.
// The distance is rounded down to tenths after adding 0.05: floor((d + 0.05) * 10) / 10.
// With no aspect the code is code::None and the distance is the separation itself.
AspectFinding classifyReportAspect(double separation);

// Orbs indexed by orb entry (aspect code - 1): entry 1 conjunction .. 15 biquintile,
// entry 6 the parallel. OptionValues::value and OrbTable::orb both have this layout;
// an entry beyond the span counts as an orb of 0.
using OrbSet = std::span<const float>;

// Tests every kind in a fixed order and keeps the last that matches, so with wide orbs
// a later kind wins and the conjunction, tested last, beats all. Comparisons are made
// in single precision, like the orbs. The minor aspects (codes 12..16) are tested only
// when enabled. The distance is not rounded.
AspectFinding classifyWithOrbs(double separation, OrbSet orbs, bool minorAspects);

struct ParallelFinding {
    bool contra = false;      // the declinations lie on opposite sides of the equator
    double difference = 0.0;  // | |declination A| - |declination B| |
};

// A parallel when the absolute declinations differ by no more than the orb (compared in
// single precision). A declination of exactly 0 counts as north.
std::optional<ParallelFinding> findParallel(double declinationA, double declinationB, float orb);

}  // namespace helion
