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
constexpr std::array<int, 5> kLineAspects{code::Sextile, code::Square, code::Trine, code::Opposite, code::Quincunx};

int lineColour(int code, const WheelStyle& style) {
    if (code == code::Sextile || code == code::Trine) return style.sextileTrine;
    if (code == code::Quincunx) return style.quincunx;
    return style.squareOpposition;
}

WheelPoint onChordCircle(double angle) {
    return {kChordRadius * cosDeg(angle), kChordFactor * kChordRadius * sinDeg(angle)};
}

}  // namespace

int aspectLineCode(double separation, const OptionValues& options) {
    for (int code : kLineAspects) {
        if (std::abs(separation - aspectAngle(code)) <= options[orbEntry(code)]) return code;
    }
    return code::None;
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
            const int code = aspectLineCode(separationOf(chart.longitude[i], chart.longitude[j]), options);
            if (code == code::None) continue;
            const WheelPoint from = onChordCircle(a.angle), to = onChordCircle(b.angle);
            out.push_back(LineShape{from, to, lineColour(code, style)});
            const WheelPoint middle{(from.x + to.x) / 2, (from.y + to.y) / 2};
            out.push_back(TextShape{middle, "", aspectGlyph(code), style.planetSize, lineColour(code, style), false,
                                    TextAnchor::Centre});
            drawn.emplace_back(i, j);
        }
    }
    return drawn;
}

}  // namespace helion
