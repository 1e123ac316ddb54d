#include "core/wheels/aspect_list.h"

#include <array>
#include <utility>

#include "core/aspects/catalogue.h"
#include "core/aspects/classifier.h"
#include "core/wheels/glyph_stack.h"

namespace helion {
namespace {

// Sun and Moon first, then the planets, the Ascendant and the Midheaven.
constexpr std::array<int, 12> kListingOrder{point::Sun, point::Moon, 2, 3, 4, 5, 6, 7, 8, point::Pluto,
                                            point::Ascendant, point::Midheaven};

std::vector<std::pair<int, int>> listedPairs(bool rowByRow) {
    std::vector<std::pair<int, int>> pairs;
    for (int outer : kListingOrder) {
        for (int inner : kListingOrder) {
            if (outer == inner) continue;
            pairs.push_back(rowByRow ? std::pair{outer, inner} : std::pair{inner, outer});
        }
    }
    return pairs;
}

AspectListLine lineOf(int first, int aspectCode, int second) {
    return {kFirstPlanetGlyph + first, aspectGlyph(aspectCode), kFirstPlanetGlyph + second};
}

}  // namespace

std::vector<AspectListLine> aspectList(const AspectListInput& in) {
    const auto at = [](const PointTable& table, int p) { return table[static_cast<std::size_t>(p)]; };
    const auto pairs = listedPairs(in.singleChart);
    std::vector<AspectListLine> lines{AspectListLine{}};
    for (const auto& [first, second] : pairs) {
        const double separation = separationOf(at(in.natal.longitude, first), at(in.second.longitude, second));
        const int code = classifyWithOrbs(separation, in.orbs.orb, false).code;
        if (code >= code::Conjunct && code <= code::kLastCode) lines.push_back(lineOf(first, code, second));
    }
    lines.emplace_back();
    const float parallelOrb = in.orbs.orb[static_cast<std::size_t>(orbEntry(code::Parallel))];
    for (const auto& [first, second] : pairs) {
        const auto parallel = findParallel(at(in.natal.declination, first), at(in.second.declination, second), parallelOrb);
        if (parallel) lines.push_back(lineOf(first, parallel->contra ? code::kLastGlyphCode : code::Parallel, second));
    }
    return lines;
}

}  // namespace helion
