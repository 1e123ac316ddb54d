#include "core/aspects/classifier.h"

#include <array>
#include <cmath>
#include <limits>

namespace helion {
namespace {

constexpr double kUnbounded = std::numeric_limits<double>::infinity();

struct FixedRange {
    int code;
    double low;   // inclusive
    double high;  // inclusive
};

constexpr std::array<FixedRange, 9> kFixedRanges{{
    {code::Sextile, 59, 61},
    {code::Square, 89, 91},
    {code::Trine, 119, 121},
    {code::Opposite, 179, kUnbounded},
    {code::SemiSextile, 29, 31},
    {code::SemiSquare, 44, 46},
    {code::Sesquisquare, 134, 136},
    {code::Quincunx, 149, 151},
    {code::Conjunct, -kUnbounded, 1},
}};

// The order of trial; a later fit replaces an earlier one.
constexpr std::array<int, 14> kOrbSetOrder{
    code::Sextile,    code::Square,       code::Trine,      code::Opposite,     code::SemiSextile,
    code::SemiSquare, code::Sesquisquare, code::Quincunx,   code::SemiQuintile, code::Nonagen,
    code::Quintile,   code::Trecile,      code::BiQuintile, code::Conjunct,
};

float orbOf(OrbSet orbs, int code) {
    const auto entry = static_cast<std::size_t>(orbEntry(code));
    return entry < orbs.size() ? orbs[entry] : 0.0f;
}

bool withinOrb(float separation, int code, float orb) {
    const auto angle = static_cast<float>(aspectAngle(code));
    if (code == code::Conjunct) return separation <= orb;
    if (code == code::Opposite) return separation >= angle - orb;
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
        const double distance = separation - aspectAngle(range.code);
        return {range.code, std::floor((distance + 0.05) * 10.0) / 10.0};
    }
    return {code::None, separation};
}

AspectFinding classifyWithOrbs(double separation, OrbSet orbs, bool minorAspects) {
    const auto single = static_cast<float>(separation);
    AspectFinding finding;
    for (int code : kOrbSetOrder) {
        if (isMinorAspect(code) && !minorAspects) continue;
        if (withinOrb(single, code, orbOf(orbs, code))) finding = {code, separation - aspectAngle(code)};
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
