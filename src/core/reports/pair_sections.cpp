#include "core/reports/pair_sections.h"

#include "core/reports/pair_lines.h"

namespace helion {
namespace {

void keep(ReportLines& lines, std::optional<std::string> line) {
    if (line) lines.push_back(std::move(*line));
}

// Calls pair(first, second) for every pair of the cross loop or of the within loop.
template <typename Pair>
void forEachPair(bool crossLoop, Pair pair) {
    for (std::size_t i = 0; i < kAspectBodies.size(); ++i) {
        for (std::size_t j = crossLoop ? 0 : i + 1; j < kAspectBodies.size(); ++j)
            pair(kAspectBodies[i], kAspectBodies[j]);
    }
}

void appendAspects(ReportLines& lines, bool crossLoop, const PointTable& first, const PointTable& second) {
    forEachPair(crossLoop, [&](Point a, Point b) { keep(lines, aspectLine(a, b, first[a] - second[b])); });
}

void appendParallels(ReportLines& lines, bool crossLoop, const PointTable& first, const PointTable& second, float orb) {
    forEachPair(crossLoop, [&](Point a, Point b) { keep(lines, parallelLine(a, b, first[a], second[b], orb)); });
}

}  // namespace

void appendSectionHeading(ReportLines& lines, int indent, std::string_view heading) {
    lines.push_back(std::string(static_cast<std::size_t>(indent), ' ') + std::string(heading));
    lines.emplace_back();
}

void appendWithinAspects(ReportLines& lines, const PointTable& longitude) {
    appendAspects(lines, false, longitude, longitude);
}

void appendWithinParallels(ReportLines& lines, const PointTable& declination, float parallelOrb) {
    appendParallels(lines, false, declination, declination, parallelOrb);
}

void appendCrossSections(ReportLines& lines, const CrossSectionHeadings& headings, const ChartPositions& moving,
                         const ChartPositions& fixed, float parallelOrb) {
    appendSectionHeading(lines, headings.aspectIndent, headings.aspects);
    appendAspects(lines, true, moving.longitude, fixed.longitude);
    lines.emplace_back();
    appendSectionHeading(lines, headings.parallelIndent, headings.parallels);
    appendParallels(lines, true, moving.declination, fixed.declination, parallelOrb);
    lines.emplace_back();
}

}  // namespace helion
