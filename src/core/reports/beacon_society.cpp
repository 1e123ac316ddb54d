#include "core/reports/beacon_society.h"

#include <algorithm>
#include <cmath>

#include "core/reports/pair_lines.h"
#include "core/reports/pair_sections.h"
#include "core/reports/planet_table.h"

namespace helion {
namespace {

HouseClass houseClassOfPoint(const ChartPositions& natal, Point point) {
    if (point == Point::Ascendant || point == Point::Midheaven) return HouseClass::Angular;
    return houseClassOf(natal.house[point]);
}

bool within(double separation, double angle, int orb) { return angle - orb < separation && separation < angle + orb; }

void appendPair(ReportLines& lines, const ChartPositions& natal, Point a, Point b) {
    BeaconOrbs orbs = beaconOrbs(natal, a);
    const BeaconOrbs other = beaconOrbs(natal, b);
    std::ranges::transform(orbs, other, orbs.begin(), [](int x, int y) { return std::max(x, y); });

    const double difference = natal.longitude[a] - natal.longitude[b];
    const AspectFinding found = classifyBeaconAspect(separationOf(natal.longitude[a], natal.longitude[b]), orbs);
    if (found.aspect) {
        const double distance = firstBodyIsAhead(difference) ? -found.distance : found.distance;
        lines.push_back(aspectLineText(a, *found.aspect, b, distance));
    }
    const double parallel = std::fabs(std::fabs(natal.declination[a]) - std::fabs(natal.declination[b]));
    if (parallel < 1.0) {
        // This list does not tell contraparallels from parallels.
        lines.push_back(parallelLineText(a, b, false, parallel));
    }
}

}  // namespace

BeaconOrbs beaconOrbs(const ChartPositions& natal, Point point) {
    const bool luminary = point == Point::Sun || point == Point::Moon;
    const HouseClassOrbs& orbs = orbsOfHouseClass(houseClassOfPoint(natal, point));
    return luminary ? orbs.luminary : orbs.plain;
}

AspectFinding classifyBeaconAspect(double s, const BeaconOrbs& g) {
    const auto [g1, g2, g3, g4, g5] = g;
    if (s < g5) return {Aspect::Conjunct, s};
    if (within(s, 30, g1)) return {Aspect::SemiSextile, s - 30};
    if (within(s, 45, g2)) return {Aspect::SemiSquare, s - 45};
    if (within(s, 60, g3)) return {Aspect::Sextile, s - 60};
    if (within(s, 90, g4)) return {Aspect::Square, s - 90};
    if (s <= 130 && within(s, 120, g4)) return {Aspect::Trine, s - 120};
    if (s > 130 && within(s, 135, g2)) return {Aspect::Sesquisquare, s - 135};
    if (within(s, 150, g1)) return {Aspect::Quincunx, s - 150};
    if (s > 180 - g5) return {Aspect::Opposite, s - 180};
    return {std::nullopt, s};
}

void appendBeaconSocietyAspects(ReportLines& lines, const ChartPositions& natal) {
    lines.push_back(std::string(14, ' ') + "Beacon Society Aspects");
    lines.emplace_back();
    for (const Point first : kAspectBodies) {
        for (const Point second : kAspectBodies) {
            if (second != first) appendPair(lines, natal, first, second);
        }
        lines.emplace_back();
    }
}

}  // namespace helion
