#include "wheel_samples.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <span>

#include "core/astro/angles.h"
#include "core/config/wheel_data_tables.h"
#include "core/wheels/cusp_labels.h"
#include "core/wheels/glyph_stack.h"
#include "core/wheels/nominal_glyph_sizes.h"
#include "core/wheels/ring_layout.h"
#include "core/wheels/wheel_input_adapter.h"
#include "core/wheels/wheel_style.h"

namespace helion::test {
namespace {

constexpr double kBandTolerance = 1.5;  // the house radius tables reach a unit past some circles

std::vector<std::int16_t> shippedTable(std::string_view name, std::size_t entries) {
    return readIntegerTable(std::filesystem::path(HELION_SOURCE_DIR) / "data" / name, entries).values;
}

// The shipped options, the shipped wheel tables and glyph sizes of a 1024x768 screen.
struct WheelSetting {
    OptionValues options;
    std::vector<std::int16_t> cuspLabels;
    std::vector<std::int16_t> glyphRadii;
};

const WheelSetting& shippedSetting() {
    static const WheelSetting setting = [] {
        WheelSetting s;
        s.options = loadOptions(std::filesystem::path(HELION_SOURCE_DIR) / "data" / "OPTIONS.OPT", {}).values;
        s.cuspLabels = shippedTable(kCuspLabelFile, kCuspLabelEntries);
        s.glyphRadii = shippedTable(kGlyphRadiusFile, kGlyphRadiusEntries);
        return s;
    }();
    return setting;
}

using Box = WheelBox;

bool touch(const Box& a, const Box& b) {
    return a.left < b.right && b.left < a.right && a.bottom < b.top && b.bottom < a.top;
}

bool anyTouches(std::span<const Box> a, std::span<const Box> b) {
    return std::ranges::any_of(
        a, [&](const Box& x) { return std::ranges::any_of(b, [&](const Box& y) { return touch(x, y); }); });
}

// Whether the box lies between the ring's circles, widened by `tolerance`.
bool insideBand(const Box& b, const RingLayout& layout, double tolerance) {
    const double nearest = std::hypot(std::clamp(0.0, b.left, b.right), std::clamp(0.0, b.bottom, b.top));
    const double farthest = std::hypot(std::max(-b.left, b.right), std::max(-b.bottom, b.top));
    return nearest >= layout.innerRadius - tolerance && farthest <= layout.outerRadius + tolerance;
}

// Whether the segment from `p` to `q` passes through the box (Liang-Barsky clipping).
bool crosses(WheelPoint p, WheelPoint q, const Box& b) {
    double enter = 0.0, leave = 1.0;
    const double d[2] = {q.x - p.x, q.y - p.y};
    const double low[2] = {b.left - p.x, b.bottom - p.y}, high[2] = {b.right - p.x, b.top - p.y};
    for (int k = 0; k < 2; ++k) {
        if (std::fabs(d[k]) < 1e-12) {
            if (low[k] > 0.0 || high[k] < 0.0) return false;
            continue;
        }
        const double t1 = low[k] / d[k], t2 = high[k] / d[k];
        enter = std::max(enter, std::min(t1, t2));
        leave = std::min(leave, std::max(t1, t2));
    }
    return enter < leave;
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

// A text's box, its cell scaled from the measured cusp digit or sign at their sizes.
Box textBox(const TextShape& t, const WheelInput& in, const WheelStyle& style) {
    const TextBox cell = t.glyph != 0 ? in.glyphs.cuspSign : in.glyphs.cuspDigit;
    const double scale = t.fontSize / (t.glyph != 0 ? style.cuspSignSize : style.cuspDegreeSize);
    const double width = scale * cell.width * double(t.glyph != 0 ? 1 : t.text.size());
    const double height = scale * cell.height;
    const double left = t.anchor == TextAnchor::TopLeft    ? t.at.x
                        : t.anchor == TextAnchor::TopRight ? t.at.x - width
                                                           : t.at.x - width / 2;
    const double top = t.anchor == TextAnchor::Centre ? t.at.y + height / 2 : t.at.y;
    return {left, top - height, left + width, top};
}

// The boxes around the twelve cusp labels' five texts, which follow the twelve house lines
// and the house numbers in the display list.
std::vector<Box> cuspLabelBoxes(const WheelInput& in, const WheelDrawing& d, const WheelStyle& style) {
    int lines = 0;
    const auto afterLines = std::ranges::find_if(d.primitives,
                                                 [&](const WheelPrimitive& p) {
                                                     return std::holds_alternative<LineShape>(p) && ++lines == 12;
                                                 }) +
                            1;
    const bool numbered = in.kind != WheelKind::Single && style.houseNumbers;
    std::vector<Box> boxes;
    auto label = afterLines + (numbered ? 15 : 0);
    for (int i = 0; i < 12 && label + 5 <= d.primitives.end(); ++i, label += 5) {
        Box box = textBox(std::get<TextShape>(*label), in, style);
        for (auto character = label + 1; character != label + 5; ++character) {
            const Box b = textBox(std::get<TextShape>(*character), in, style);
            box = {std::min(box.left, b.left), std::min(box.bottom, b.bottom), std::max(box.right, b.right),
                   std::max(box.top, b.top)};
        }
        boxes.push_back(box);
    }
    return boxes;
}

int primitivesOutside(const WheelInput& in, const WheelDrawing& d, const WheelStyle& style) {
    const WheelFrame& f = d.frame;
    const auto inside = [&](WheelPoint p) {
        return p.x >= f.left && p.x <= f.right && p.y >= f.bottom && p.y <= f.top;
    };
    const auto outside = [&](const WheelPrimitive& primitive) {
        if (const auto* c = std::get_if<CircleShape>(&primitive))
            return !inside({c->radius, c->radius}) || !inside({-c->radius, -c->radius});
        if (const auto* l = std::get_if<LineShape>(&primitive)) return !inside(l->from) || !inside(l->to);
        if (const auto* t = std::get_if<TextShape>(&primitive)) {
            const Box b = textBox(*t, in, style);
            return !inside({b.left, b.top}) || !inside({b.right, b.bottom});
        }
        return false;
    };
    return static_cast<int>(std::ranges::count_if(d.primitives, outside));
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
    const WheelSetting& s = shippedSetting();
    WheelInput in;
    in.kind = kind;
    in.chartType = type;
    in.cusp = cusp;
    in.natal = ringChartIn(natal, cusp);
    in.second = ringChartIn(second, cusp);
    in.third = ringChartIn(third, cusp);
    in.options = s.options;
    const StartupWindow& window = kStartupWindows[3];
    in.widthPixels = window.innerWidth();
    in.heightPixels = window.innerHeight();
    in.cuspLabelTable = s.cuspLabels;
    in.glyphRadiusTable = s.glyphRadii;
    in.glyphs = nominalGlyphSizes(wheelStyle(in.options, WheelTarget::Screen, kind, false), window.unitsPerPoint());
    return in;
}

WheelInput randomInput(WheelKind kind, ChartType type, std::mt19937& random) {
    std::uniform_real_distribution<double> circle(0.0, 360.0), arc(18.0, 42.0), unit(-1.0, 1.0);
    std::array<double, 6> arcs{};
    for (double& a : arcs) a = arc(random);
    const double sum = arcs[0] + arcs[1] + arcs[2] + arcs[3] + arcs[4] + arcs[5];
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

LayoutFaults checkLayout(const WheelInput& in, const WheelDrawing& drawing) {
    LayoutFaults faults;
    const WheelStyle style = wheelStyle(in.options, in.target, in.kind, in.monochrome);
    const std::vector<Box> labels = cuspLabelBoxes(in, drawing, style);
    PointArray<int> placed{}, drawn{};
    for (const RingDrawing& ring : drawing.rings) {
        for (const PlacedBody& body : ring.bodies) placed[body.point] += body.drawn ? 1 : 0;
    }
    // A glyph counts as drawn where the display list holds it at the corner of its stack's record.
    for (const WheelPrimitive& primitive : drawing.primitives) {
        const auto* text = std::get_if<TextShape>(&primitive);
        if (!text || !isPointNumber(text->glyph - kFirstPlanetGlyph)) continue;
        const Point point = pointFromNumber(text->glyph - kFirstPlanetGlyph);
        if (std::ranges::any_of(drawing.stacks, [&](const StackEntry& s) {
                return s.point == point && s.cells.front().left == text->at.x && s.cells.front().top == text->at.y;
            }))
            ++drawn[point];
    }
    for (const Point p : kAllPoints) {
        if (drawn[p] != placed[p]) ++faults.drawnWrongly;
    }
    std::vector<LineShape> houseLines;
    for (const WheelPrimitive& p : drawing.primitives) {
        if (const auto* l = std::get_if<LineShape>(&p); l && houseLines.size() < 12) houseLines.push_back(*l);
    }
    for (const RingLayout& layout : ringLayouts(in.kind)) {
        std::vector<const StackEntry*> stacks;
        for (const StackEntry& s : drawing.stacks) {
            if (s.ring != layout.ring) continue;
            stacks.push_back(&s);
            if (!insideBand(s.cells.front(), layout, kBandTolerance))
                ++(layout.ring == ring::Natal ? faults.natalOutsideBand : faults.othersOutsideBand);
            faults.displacement[static_cast<std::size_t>(layout.ring)].push_back(
                std::fabs(wrap180(s.angle - s.exactAngle)));
            for (const Box& cell : s.cells) {
                faults.cellsOverCircles += insideBand(cell, layout, 0.0) ? 0 : 1;
                for (const LineShape& l : houseLines) faults.linesThroughStacks += crosses(l.from, l.to, cell) ? 1 : 0;
            }
        }
        for (std::size_t i = 0; i < stacks.size(); ++i) {
            for (std::size_t j = i + 1; j < stacks.size(); ++j) {
                if (anyTouches(stacks[i]->cells, stacks[j]->cells)) ++faults.overlappingStacks;
            }
            for (const Box& label : labels) {
                if (anyTouches(stacks[i]->cells, std::span(&label, 1))) ++faults.labelsOverStacks;
            }
        }
        faults.ringsOutOfOrder += outOfOrder(stacks) ? 1 : 0;
    }
    faults.outsideFrame = primitivesOutside(in, drawing, style);
    return faults;
}

LayoutFaults& operator+=(LayoutFaults& total, const LayoutFaults& more) {
    total.drawnWrongly += more.drawnWrongly;
    total.natalOutsideBand += more.natalOutsideBand;
    total.othersOutsideBand += more.othersOutsideBand;
    total.overlappingStacks += more.overlappingStacks;
    total.labelsOverStacks += more.labelsOverStacks;
    total.outsideFrame += more.outsideFrame;
    total.cellsOverCircles += more.cellsOverCircles;
    total.linesThroughStacks += more.linesThroughStacks;
    total.ringsOutOfOrder += more.ringsOutOfOrder;
    for (std::size_t r = 0; r < total.displacement.size(); ++r)
        total.displacement[r].insert(total.displacement[r].end(), more.displacement[r].begin(),
                                     more.displacement[r].end());
    return total;
}

}  // namespace helion::test
