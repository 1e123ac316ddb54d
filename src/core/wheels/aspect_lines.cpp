#include "core/wheels/aspect_lines.h"

#include <array>
#include <cmath>

#include "core/aspects/aspect_kinds.h"
#include "core/aspects/classifier.h"
#include "core/astro/angles.h"

namespace helion {
namespace {

constexpr double kChordRadius = 120.0;
constexpr double kChordFactor = 0.96;
constexpr std::array<Aspect, 5> kLineAspects{Aspect::Sextile, Aspect::Square, Aspect::Trine, Aspect::Opposite,
                                             Aspect::Quincunx};

int lineColour(Aspect aspect, const WheelStyle& style) {
    if (aspect == Aspect::Sextile || aspect == Aspect::Trine) return style.sextileTrine;
    if (aspect == Aspect::Quincunx) return style.quincunx;
    return style.squareOpposition;
}

WheelPoint onChordCircle(double angle) {
    return {kChordRadius * cosDeg(angle), kChordFactor * kChordRadius * sinDeg(angle)};
}

}  // namespace

std::optional<Aspect> lineAspect(double separation, const OptionValues& options) {
    for (Aspect aspect : kLineAspects) {
        if (std::abs(separation - aspectAngle(aspect)) <= options.orb(aspect)) return aspect;
    }
    return std::nullopt;
}

std::vector<std::pair<Point, Point>> appendAspectLines(std::vector<WheelPrimitive>& out, const RingPlacement& placement,
                                                       const RingChart& chart, const OptionValues& options,
                                                       const WheelStyle& style) {
    std::vector<std::pair<Point, Point>> drawn;
    for (const Point i : kBodies) {
        for (const Point j : kBodies) {
            const PlacedBody& a = placement[i];
            const PlacedBody& b = placement[j];
            if (i == j || !a.slot || !b.slot) continue;
            const auto aspect = lineAspect(separationOf(chart.longitude[i], chart.longitude[j]), options);
            if (!aspect) continue;
            const WheelPoint from = onChordCircle(a.angle), to = onChordCircle(b.angle);
            out.push_back(LineShape{from, to, lineColour(*aspect, style)});
            const WheelPoint middle{(from.x + to.x) / 2, (from.y + to.y) / 2};
            out.push_back(TextShape{middle, "", aspectGlyph(*aspect), style.planetSize, lineColour(*aspect, style),
                                    false, TextAnchor::Centre});
            drawn.emplace_back(i, j);
        }
    }
    return drawn;
}

}  // namespace helion
