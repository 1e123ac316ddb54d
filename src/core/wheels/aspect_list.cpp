#include "core/wheels/aspect_list.h"

#include <array>
#include <utility>

#include "core/aspects/aspect_kinds.h"
#include "core/aspects/classifier.h"
#include "core/wheels/glyph_stack.h"

namespace helion {
namespace {

std::vector<std::pair<int, int>> listedPairs(bool rowByRow) {
    std::vector<std::pair<int, int>> pairs;
    for (int outer : kListedBodies) {
        for (int inner : kListedBodies) {
            if (outer == inner) continue;
            pairs.push_back(rowByRow ? std::pair{outer, inner} : std::pair{inner, outer});
        }
    }
    return pairs;
}

AspectListLine lineOf(int first, Aspect aspect, int second) {
    return {kFirstPlanetGlyph + first, aspectGlyph(aspect), kFirstPlanetGlyph + second};
}

}  // namespace

std::optional<Aspect> wheelAspectBetween(const AspectListChart& first, int firstBody, const AspectListChart& second,
                                         int secondBody, const OrbTable& orbs) {
    const auto at = [](const PointTable& table, int p) { return table[static_cast<std::size_t>(p)]; };
    const double separation = separationOf(at(first.longitude, firstBody), at(second.longitude, secondBody));
    return classifyWithOrbs(separation, orbs.orbs(), false).aspect;
}

std::vector<AspectListLine> aspectList(const AspectListInput& in) {
    const auto at = [](const PointTable& table, int p) { return table[static_cast<std::size_t>(p)]; };
    const auto pairs = listedPairs(in.singleChart);
    std::vector<AspectListLine> lines{AspectListLine{}};
    for (const auto& [first, second] : pairs) {
        if (const auto aspect = wheelAspectBetween(in.natal, first, in.second, second, in.orbs))
            lines.push_back(lineOf(first, *aspect, second));
    }
    lines.emplace_back();
    const float parallelOrb = in.orbs.orb(Aspect::Parallel);
    for (const auto& [first, second] : pairs) {
        const auto parallel =
            findParallel(at(in.natal.declination, first), at(in.second.declination, second), parallelOrb);
        if (parallel)
            lines.push_back(lineOf(first, parallel->contra ? Aspect::ContraParallel : Aspect::Parallel, second));
    }
    return lines;
}

}  // namespace helion
