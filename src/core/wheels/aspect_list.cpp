#include "core/wheels/aspect_list.h"

#include <array>
#include <utility>

#include "core/aspects/aspect_kinds.h"
#include "core/aspects/classifier.h"
#include "core/wheels/glyph_stack.h"

namespace helion {
namespace {

std::vector<std::pair<Point, Point>> listedPairs(bool rowByRow) {
    std::vector<std::pair<Point, Point>> pairs;
    for (const Point outer : kListedBodies) {
        for (const Point inner : kListedBodies) {
            if (outer == inner) continue;
            pairs.push_back(rowByRow ? std::pair{outer, inner} : std::pair{inner, outer});
        }
    }
    return pairs;
}

AspectListLine lineOf(Point first, Aspect aspect, Point second) {
    return {planetGlyph(first), aspectGlyph(aspect), planetGlyph(second)};
}

}  // namespace

std::optional<Aspect> wheelAspectBetween(const AspectListChart& first, Point firstBody, const AspectListChart& second,
                                         Point secondBody, const OrbTable& orbs) {
    const double separation = separationOf(first.longitude[firstBody], second.longitude[secondBody]);
    return classifyWithOrbs(separation, orbs.orbs(), false).aspect;
}

std::vector<AspectListLine> aspectList(const AspectListInput& in) {
    const auto pairs = listedPairs(in.singleChart);
    std::vector<AspectListLine> lines{AspectListLine{}};
    for (const auto& [first, second] : pairs) {
        if (const auto aspect = wheelAspectBetween(in.natal, first, in.second, second, in.orbs))
            lines.push_back(lineOf(first, *aspect, second));
    }
    lines.emplace_back();
    const float parallelOrb = in.orbs.orb(Aspect::Parallel);
    for (const auto& [first, second] : pairs) {
        const auto parallel = findParallel(in.natal.declination[first], in.second.declination[second], parallelOrb);
        if (parallel)
            lines.push_back(lineOf(first, parallel->contra ? Aspect::ContraParallel : Aspect::Parallel, second));
    }
    return lines;
}

}  // namespace helion
