#include "core/aspects/classifier.h"

#include <array>
#include <cmath>
#include <limits>

namespace helion {
namespace {

constexpr double kUnbounded = std::numeric_limits<double>::infinity();

struct FixedRange {
    Aspect aspect;
    double low;   // inclusive
    double high;  // inclusive
};

constexpr std::array<FixedRange, 9> kFixedRanges{{
    {Aspect::Sextile, 59, 61},
    {Aspect::Square, 89, 91},
    {Aspect::Trine, 119, 121},
    {Aspect::Opposite, 179, kUnbounded},
    {Aspect::SemiSextile, 29, 31},
    {Aspect::SemiSquare, 44, 46},
    {Aspect::Sesquisquare, 134, 136},
    {Aspect::Quincunx, 149, 151},
    {Aspect::Conjunct, -kUnbounded, 1},
}};

// The order of trial; a later fit replaces an earlier one.
constexpr std::array<Aspect, 14> kOrbSetOrder{
    Aspect::Sextile,    Aspect::Square,       Aspect::Trine,      Aspect::Opposite,     Aspect::SemiSextile,
    Aspect::SemiSquare, Aspect::Sesquisquare, Aspect::Quincunx,   Aspect::SemiQuintile, Aspect::Nonagen,
    Aspect::Quintile,   Aspect::Trecile,      Aspect::BiQuintile, Aspect::Conjunct,
};

bool withinOrb(float separation, Aspect aspect, float orb) {
    const auto angle = static_cast<float>(aspectAngle(aspect));
    if (aspect == Aspect::Conjunct) return separation <= orb;
    if (aspect == Aspect::Opposite) return separation >= angle - orb;
    return angle - orb <= separation && separation <= angle + orb;
}

}  // namespace

double foldSeparation(double absoluteDifference) {
    return absoluteDifference > 180.0 ? 360.0 - absoluteDifference : absoluteDifference;
}

double separationOf(double longitudeA, double longitudeB) { return foldSeparation(std::fabs(longitudeA - longitudeB)); }

AspectFinding classifyReportAspect(double separation) {
    for (const FixedRange& range : kFixedRanges) {
        if (separation < range.low || separation > range.high) continue;
        const double distance = separation - aspectAngle(range.aspect);
        return {range.aspect, std::floor((distance + 0.05) * 10.0) / 10.0};
    }
    return {std::nullopt, separation};
}

AspectFinding classifyWithOrbs(double separation, const OrbSet& orbs, bool minorAspects) {
    const auto single = static_cast<float>(separation);
    AspectFinding finding;
    for (Aspect aspect : kOrbSetOrder) {
        if (isMinorAspect(aspect) && !minorAspects) continue;
        if (withinOrb(single, aspect, orbs.orb(aspect))) finding = {aspect, separation - aspectAngle(aspect)};
    }
    return finding;
}

std::optional<ParallelFinding> findParallel(double declinationA, double declinationB, float orb) {
    const double difference = std::fabs(std::fabs(declinationA) - std::fabs(declinationB));
    if (!(static_cast<float>(difference) <= orb)) return std::nullopt;
    const bool contra = (declinationA >= 0.0) != (declinationB >= 0.0);
    return ParallelFinding{contra, difference};
}

}  // namespace helion
