#include "wheel_samples.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <numeric>
#include <span>

#include "core/astro/angles.h"
#include "core/config/options.h"
#include "core/wheels/nominal_glyph_sizes.h"
#include "core/wheels/ring_layout.h"
#include "core/wheels/wheel_input_adapter.h"
#include "core/wheels/wheel_style.h"
#include "core/wheels/wheel_tables.h"

namespace helion::test {
namespace {

constexpr double kBandTolerance = 1.5;  // the house radius tables reach a unit past some circles

bool touch(const WheelBox& a, const WheelBox& b) {
    return a.left < b.right && b.left < a.right && a.bottom < b.top && b.bottom < a.top;
}

bool anyTouches(std::span<const WheelBox> a, std::span<const WheelBox> b) {
    return std::ranges::any_of(
        a, [&](const WheelBox& x) { return std::ranges::any_of(b, [&](const WheelBox& y) { return touch(x, y); }); });
}

// Whether the box lies between the ring's circles, widened by `tolerance`.
bool insideBand(const WheelBox& b, const RingLayout& layout, double tolerance) {
    const double nearest = std::hypot(std::clamp(0.0, b.left, b.right), std::clamp(0.0, b.bottom, b.top));
    const double farthest = std::hypot(std::max(-b.left, b.right), std::max(-b.bottom, b.top));
    return nearest >= layout.innerRadius - tolerance && farthest <= layout.outerRadius + tolerance;
}

// Whether the segment from `p` to `q` passes through the box: they overlap along both axes
// and the box has corners on either side of the segment.
bool crosses(WheelPoint p, WheelPoint q, const WheelBox& b) {
    if (std::max(p.x, q.x) <= b.left || std::min(p.x, q.x) >= b.right || std::max(p.y, q.y) <= b.bottom ||
        std::min(p.y, q.y) >= b.top)
        return false;
    const auto side = [&](double x, double y) { return (q.x - p.x) * (y - p.y) - (q.y - p.y) * (x - p.x); };
    const auto [low, high] =
        std::minmax({side(b.left, b.bottom), side(b.left, b.top), side(b.right, b.bottom), side(b.right, b.top)});
    return low < 0.0 && high > 0.0;
}

// Along the ring in longitude order the drawing angles turn once round the circle.
bool outOfOrder(std::vector<const StackEntry*> ring) {
    std::ranges::stable_sort(ring, {}, [](const StackEntry* s) { return normalize360(s->longitude); });
    int descents = 0;
    for (std::size_t i = 0; i < ring.size(); ++i) {
        const double next = ring[(i + 1) % ring.size()]->angle;
        descents += normalize360(next - ring[0]->angle) < normalize360(ring[i]->angle - ring[0]->angle) ? 1 : 0;
    }
    return descents > 1;
}

// The boxes around the twelve cusp labels' five texts, which follow the twelve house lines
// and the house numbers in the display list; each cell is the measured cusp digit or sign.
std::vector<WheelBox> cuspLabelBoxes(const WheelInput& in, const WheelDrawing& d) {
    const WheelStyle style = wheelStyle(in.options, in.target, in.kind, in.monochrome);
    int lines = 0;
    auto text = std::ranges::find_if(
        d.primitives, [&](const WheelPrimitive& p) { return std::holds_alternative<LineShape>(p) && ++lines == 12; });
    text += in.kind != WheelKind::Single && style.houseNumbers ? 16 : 1;
    std::vector<WheelBox> boxes;
    for (int i = 0; i < 12 && text + 5 <= d.primitives.end(); ++i) {
        WheelBox box{1e9, 1e9, -1e9, -1e9};
        for (int k = 0; k < 5; ++k, ++text) {
            const auto& t = std::get<TextShape>(*text);
            const TextBox cell = t.glyph != 0 ? in.glyphs.cuspSign : in.glyphs.cuspDigit;
            const double scale = t.fontSize / (t.glyph != 0 ? style.cuspSignSize : style.cuspDegreeSize);
            box = {std::min(box.left, t.at.x), std::min(box.bottom, t.at.y - scale * cell.height),
                   std::max(box.right, t.at.x + scale * cell.width), std::max(box.top, t.at.y)};
        }
        boxes.push_back(box);
    }
    return boxes;
}

}  // namespace

CuspTable cuspsFrom(double ascendant, const std::array<double, 6>& arcs) {
    CuspTable cusp{};
    double at = ascendant;
    for (int house = 1; house <= 12; ++house) {
        cusp[static_cast<std::size_t>(cuspEntryOfHouse(house))] = normalize360(at);
        at += arcs[static_cast<std::size_t>((house - 1) % 6)];
    }
    return cusp;
}

CuspTable equalCusps(double ascendant) { return cuspsFrom(ascendant, {30, 30, 30, 30, 30, 30}); }

WheelInput inputFor(WheelKind kind, ChartType type, const CuspTable& cusp, const PointTable& natal,
                    const PointTable& second, const PointTable& third) {
    static const OptionValues options =
        loadOptions(std::filesystem::path(HELION_SOURCE_DIR) / "data" / "OPTIONS.OPT", {}).values;
    static const std::vector<std::int16_t> labels = shippedWheelTable(WheelTable::CuspLabels);
    static const std::vector<std::int16_t> radii = shippedWheelTable(WheelTable::GlyphRadii);
    const StartupWindow& window = kStartupWindows[3];
    WheelInput in;
    in.kind = kind;
    in.chartType = type;
    in.cusp = cusp;
    in.natal = ringChartIn(natal, cusp);
    in.second = ringChartIn(second, cusp);
    in.third = ringChartIn(third, cusp);
    in.options = options;
    in.widthPixels = window.innerWidth();
    in.heightPixels = window.innerHeight();
    in.cuspLabelTable = labels;
    in.glyphRadiusTable = radii;
    in.glyphs = nominalGlyphSizes(wheelStyle(options, WheelTarget::Screen, kind, false), window.unitsPerPoint());
    return in;
}

WheelInput randomInput(WheelKind kind, ChartType type, std::mt19937& random) {
    std::uniform_real_distribution<double> circle(0.0, 360.0), arc(18.0, 42.0), unit(-1.0, 1.0);
    std::array<double, 6> arcs{};
    for (double& a : arcs) a = arc(random);
    const double sum = std::accumulate(arcs.begin(), arcs.end(), 0.0);
    for (double& a : arcs) a *= 180.0 / sum;
    const CuspTable cusp = cuspsFrom(circle(random), arcs);
    const auto chart = [&] {
        PointTable lon{};
        for (const Point p : pointsFromTo<Point::Sun, Point::PartOfFortune>()) lon[p] = circle(random);
        // Mercury and Venus stay near the Sun.
        lon[Point::Mercury] = normalize360(lon[Point::Sun] + 28.0 * unit(random));
        lon[Point::Venus] = normalize360(lon[Point::Sun] + 47.0 * unit(random));
        lon[Point::SouthNode] = normalize360(lon[Point::NorthNode] + 180.0);
        lon[Point::Ascendant] = cusp[4];
        lon[Point::Midheaven] = cusp[1];
        return lon;
    };
    const PointTable natal = chart();
    const PointTable second = chart();
    return inputFor(kind, type, cusp, natal, second, chart());
}

void checkLayout(const WheelInput& in, const WheelDrawing& drawing, LayoutFaults& faults) {
    const std::vector<WheelBox> labels = cuspLabelBoxes(in, drawing);
    std::vector<LineShape> houseLines;
    for (const WheelPrimitive& p : drawing.primitives) {
        if (const auto* l = std::get_if<LineShape>(&p); l && houseLines.size() < 12) houseLines.push_back(*l);
    }
    // The classic layout starts each stack inside its band; the spread one keeps it wholly inside.
    const bool spread = in.layout == WheelLayout::Spread;
    for (const RingLayout& layout : ringLayouts(in.kind)) {
        std::vector<const StackEntry*> stacks;
        for (const StackEntry& s : drawing.stacks) {
            if (s.ring != layout.ring) continue;
            stacks.push_back(&s);
            faults.displacement[static_cast<std::size_t>(layout.ring)].push_back(
                std::fabs(wrap180(s.angle - s.exactAngle)));
            for (const WheelBox& cell : std::span(s.cells).first(spread ? s.cells.size() : 1)) {
                faults.outsideBand += insideBand(cell, layout, spread ? 0.0 : kBandTolerance) ? 0 : 1;
                for (const LineShape& l : houseLines) faults.linesThroughStacks += crosses(l.from, l.to, cell) ? 1 : 0;
            }
        }
        for (std::size_t i = 0; i < stacks.size(); ++i) {
            for (std::size_t j = i + 1; j < stacks.size(); ++j)
                faults.overlappingStacks += anyTouches(stacks[i]->cells, stacks[j]->cells) ? 1 : 0;
            faults.labelsOverStacks += anyTouches(stacks[i]->cells, labels) ? 1 : 0;
        }
        faults.ringsOutOfOrder += outOfOrder(stacks) ? 1 : 0;
    }
}

}  // namespace helion::test
