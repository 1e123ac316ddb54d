#include "core/wheels/european_angles.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "core/astro/angles.h"

namespace helion {
namespace {

struct Stack {
    Point point;
    double offset;  // degrees past the house's cusp
};

// Offsets past the cusp for the stacks of one house, in longitude order.
void spreadInHouse(std::vector<Stack>& stacks, double arc, double spacing) {
    const double margin = spacing / 2.0;
    const auto n = static_cast<double>(stacks.size());
    if (arc < (n - 1.0) * spacing + 2.0 * margin) {
        for (std::size_t i = 0; i < stacks.size(); ++i)
            stacks[i].offset = arc * (static_cast<double>(i) + 1.0) / (n + 1.0);
        return;
    }
    double lowest = margin;
    for (Stack& s : stacks) {
        s.offset = std::max(s.offset, lowest);
        lowest = s.offset + spacing;
    }
    double highest = arc - margin;
    for (auto it = stacks.rbegin(); it != stacks.rend(); ++it) {
        it->offset = std::min(it->offset, highest);
        highest = it->offset - spacing;
    }
}

}  // namespace

double europeanSpacing(double slotSpacing, TextBox planetCell, double innermostStart) {
    const double halfDiagonal = std::hypot(planetCell.width, planetCell.height) / 2.0;
    if (innermostStart <= halfDiagonal) return slotSpacing;
    return std::max(slotSpacing, 2.0 * radToDeg(std::asin(halfDiagonal / innermostStart)));
}

double europeanDescendant(const CuspTable& cusp, HouseSystem system, double ascendant) {
    return system == HouseSystem::WholeSign ? normalize360(ascendant + 180.0) : cuspOfHouse(cusp, 7);
}

double europeanAngle(double longitude, double descendant) { return normalize360(longitude - descendant); }

void applyEuropeanAngles(RingPlacement& placement, const RingChart& chart, const CuspTable& cusp, double descendant,
                         double spacing, std::span<const std::int16_t> glyphRadii, const RingLayout& layout) {
    for (PlacedBody& body : placement) {
        if (body.slot && !body.drawn) body.angle = europeanAngle(chart.longitude[body.point], descendant);
    }
    for (int house = 1; house <= 12; ++house) {
        const double arc = houseArc(cusp, house);
        std::vector<Stack> stacks;
        for (const PlacedBody& body : placement) {
            if (!body.drawn || body.house != house) continue;
            const double past = normalize360(chart.longitude[body.point] - cuspOfHouse(cusp, house));
            stacks.push_back({body.point, std::min(past, arc)});
        }
        std::stable_sort(stacks.begin(), stacks.end(),
                         [](const Stack& a, const Stack& b) { return a.offset < b.offset; });
        spreadInHouse(stacks, arc, spacing);
        const double cuspAngle = europeanAngle(cuspOfHouse(cusp, house), descendant);
        for (const Stack& s : stacks) {
            PlacedBody& body = placement[s.point];
            body.angle = normalize360(cuspAngle + s.offset);
            const auto fromTable = tableRadius(glyphRadii, body.angle);
            body.radius = fromTable ? *fromTable : layout.startRadius[static_cast<std::size_t>(house - 1)];
        }
    }
}

}  // namespace helion
