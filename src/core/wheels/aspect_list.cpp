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

AspectListLine lineOf(Point first, int aspectCode, Point second) {
    return {planetGlyph(first), aspectGlyph(aspectCode), planetGlyph(second)};
}

}  // namespace

std::optional<int> wheelAspectBetween(const AspectListChart& first, Point firstBody, const AspectListChart& second,
                                      Point secondBody, const OrbTable& orbs) {
    const double separation = separationOf(first.longitude[firstBody], second.longitude[secondBody]);
    const int code = classifyWithOrbs(separation, orbs.orb, false).code;
    if (code < code::Conjunct || code > code::kLastCode) return std::nullopt;
    return code;
}

std::vector<AspectListLine> aspectList(const AspectListInput& in) {
    const auto pairs = listedPairs(in.singleChart);
    std::vector<AspectListLine> lines{AspectListLine{}};
    for (const auto& [first, second] : pairs) {
        if (const auto code = wheelAspectBetween(in.natal, first, in.second, second, in.orbs))
            lines.push_back(lineOf(first, *code, second));
    }
    lines.emplace_back();
    const float parallelOrb = in.orbs.orb[static_cast<std::size_t>(orbEntry(code::Parallel))];
    for (const auto& [first, second] : pairs) {
        const auto parallel = findParallel(in.natal.declination[first], in.second.declination[second], parallelOrb);
        if (parallel) lines.push_back(lineOf(first, parallel->contra ? code::kLastGlyphCode : code::Parallel, second));
    }
    return lines;
}

}  // namespace helion
