#include "core/wheels/spread_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <random>

#include "core/astro/angles.h"
#include "core/wheels/ring_layout.h"
#include "wheel_samples.h"

namespace helion {
namespace {

bool touch(const WheelBox& a, const WheelBox& b) {
    return a.left < b.right && b.left < a.right && a.bottom < b.top && b.bottom < a.top;
}

// Whether the segment from `p` to `q` passes through the box (Liang-Barsky clipping).
bool crosses(WheelPoint p, WheelPoint q, const WheelBox& b) {
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

struct SpreadFaults {
    int overlaps = 0;                                 // pairs of one ring's stacks whose cells touch
    int outsideBand = 0;                              // cells reaching over a circle of their ring
    int throughLines = 0;                             // house lines running through a stack
    int orderBroken = 0;                              // rings whose stacks leave the zodiacal order
    int secondRows = 0;                               // charts with a second row
    int squeezed = 0;                                 // charts with a house too full even for two rows
    std::array<std::vector<double>, 3> displacement;  // by ring: degrees between drawn and exact angle
};

SpreadFaults checkSpread(const WheelDrawing& d) {
    SpreadFaults f;
    std::vector<LineShape> houseLines;
    for (const WheelPrimitive& p : d.primitives) {
        if (const auto* l = std::get_if<LineShape>(&p); l && houseLines.size() < 12) houseLines.push_back(*l);
    }
    const auto layouts = ringLayouts(d.kind);
    bool secondRow = false, squeezed = false;
    for (const RingLayout& layout : layouts) {
        std::vector<const StackEntry*> ring;
        for (const StackEntry& s : d.stacks) {
            if (s.ring == layout.ring) ring.push_back(&s);
        }
        for (std::size_t i = 0; i < ring.size(); ++i) {
            secondRow = secondRow || ring[i]->row == 1;
            squeezed = squeezed || ring[i]->squeezed;
            f.displacement[static_cast<std::size_t>(layout.ring)].push_back(
                std::fabs(wrap180(ring[i]->angle - ring[i]->exactAngle)));
            for (const WheelBox& c : ring[i]->cells) {
                const double nearest = std::hypot(std::clamp(0.0, c.left, c.right), std::clamp(0.0, c.bottom, c.top));
                const double farthest = std::hypot(std::max(-c.left, c.right), std::max(-c.bottom, c.top));
                if (nearest < layout.innerRadius || farthest > layout.outerRadius) ++f.outsideBand;
                for (const LineShape& l : houseLines) f.throughLines += crosses(l.from, l.to, c) ? 1 : 0;
            }
            for (std::size_t j = i + 1; j < ring.size(); ++j) {
                const bool overlap = std::ranges::any_of(ring[i]->cells, [&](const WheelBox& a) {
                    return std::ranges::any_of(ring[j]->cells, [&](const WheelBox& b) { return touch(a, b); });
                });
                f.overlaps += overlap ? 1 : 0;
            }
        }
        // Along the ring in longitude order the drawing angles turn once round the circle.
        std::ranges::stable_sort(ring, {}, [](const StackEntry* s) { return normalize360(s->longitude); });
        int descents = 0;
        for (std::size_t i = 0; i < ring.size(); ++i) {
            const double next = ring[(i + 1) % ring.size()]->angle;
            descents += normalize360(next - ring[0]->angle) < normalize360(ring[i]->angle - ring[0]->angle) ? 1 : 0;
        }
        f.orderBroken += descents > 1 ? 1 : 0;
    }
    f.secondRows = secondRow ? 1 : 0;
    f.squeezed = squeezed ? 1 : 0;
    return f;
}

WheelInput spreadInput(WheelInput in) {
    in.layout = WheelLayout::Spread;
    return in;
}

// Bodies by their printed numbers, 1 the Sun .. 10 the Moon.
PointTable pointsAt(std::initializer_list<std::pair<int, double>> bodies) {
    PointTable lon{};
    for (const Point p : kAllPoints) lon[p] = normalize360(15.0 + 29.0 * pointNumber(p));
    for (const auto& [n, value] : bodies) lon[pointFromNumber(n)] = value;
    return lon;
}

// Hard cases of the spreading, each drawn on the wheel named, with nothing overlapping, in
// order, clear of the lines and circles, and the natal ring's stacks near their bodies.
TEST(SpreadLayout, HardCasesKeepStacksApartInOrderAndNearTheirPlaces) {
    const PointTable stellium =
        pointsAt({{1, 100}, {2, 102}, {3, 104}, {4, 106}, {5, 108}, {6, 110}, {7, 112}, {8, 114}, {9, 116}, {10, 118}});
    const PointTable acrossAries = pointsAt({{1, 356}, {2, 358}, {3, 359.5}, {4, 1}, {5, 3}});
    const PointTable meeting = pointsAt({{1, 200}, {2, 201}, {3, 202}, {4, 209}, {5, 210}, {6, 211}});
    const PointTable onCusp = pointsAt({{1, 60}, {2, 60.2}});
    const PointTable againstLine = pointsAt({{1, 26}, {2, 27}, {3, 28}, {4, 29}, {5, 29.8}});
    const struct {
        const char* what;
        WheelKind kind;
        PointTable natal;
        double ascendant;
        double largestDisplacement;
        bool secondRow;
    } rows[] = {
        {"ten-body stellium, single", WheelKind::Single, stellium, 90.0, 10.0, true},
        {"cluster across 0 Aries", WheelKind::Single, acrossAries, 340.0, 6.0, false},
        {"cluster across 0 Aries, triple", WheelKind::Triple, acrossAries, 340.0, 6.0, false},
        {"two clusters that meet", WheelKind::Dual, meeting, 190.0, 10.0, false},
        {"a body exactly on a cusp", WheelKind::Single, onCusp, 0.0, 7.0, false},
        {"a cluster against a house line", WheelKind::Single, againstLine, 0.0, kFarthest, false},
        {"a cluster against a house line, triple", WheelKind::Triple, againstLine, 0.0, kFarthest, false},
    };
    for (const auto& row : rows) {
        const WheelInput in = spreadInput(test::inputFor(row.kind, ChartType::American, test::equalCusps(row.ascendant),
                                                         row.natal, row.natal, row.natal));
        const WheelDrawing d = buildWheel(in);
        const SpreadFaults f = checkSpread(d);
        EXPECT_EQ(f.overlaps, 0) << row.what;
        EXPECT_EQ(f.outsideBand, 0) << row.what;
        EXPECT_EQ(f.throughLines, 0) << row.what;
        EXPECT_EQ(f.orderBroken, 0) << row.what;
        EXPECT_EQ(f.secondRows == 1, row.secondRow) << row.what;
        EXPECT_LT(std::ranges::max(f.displacement[ring::Natal]), row.largestDisplacement) << row.what;
    }
}

// A cluster with room around it spreads about its centre, not only forwards; its stacks
// then point back at their bodies with a tick and a line.
TEST(SpreadLayout, AFreeClusterSpreadsSymmetricallyWithPointers) {
    const PointTable lon = pointsAt({{1, 14}, {2, 15}, {3, 16}});
    const WheelInput in =
        spreadInput(test::inputFor(WheelKind::Single, ChartType::American, test::equalCusps(0.0), lon));
    const WheelDrawing d = buildWheel(in);
    double signedSum = 0.0;
    for (const StackEntry& s : d.stacks) {
        if (s.point <= Point::Venus) signedSum += wrap180(s.angle - s.exactAngle);
    }
    const auto& sun = *std::ranges::find(d.stacks, Point::Sun, &StackEntry::point);
    const auto& mercury = *std::ranges::find(d.stacks, Point::Mercury, &StackEntry::point);
    EXPECT_NEAR(signedSum, 0.0, 1e-6);
    EXPECT_LT(sun.angle, sun.exactAngle - 1.0);  // moved back, before its body
    EXPECT_NEAR(mercury.angle, mercury.exactAngle, 0.1);
    const auto pointerAt = [&](double angle) {
        return std::ranges::count_if(d.primitives, [&](const WheelPrimitive& p) {
            const auto* l = std::get_if<LineShape>(&p);
            return l && std::fabs(l->from.x - 120.0 * cosDeg(angle)) < 1e-9 &&
                   std::fabs(l->from.y - 120.0 * sinDeg(angle)) < 1e-9;
        });
    };
    EXPECT_EQ(pointerAt(sun.exactAngle), 1);  // the tick; the line starts at its tip
    EXPECT_EQ(std::ranges::count_if(d.primitives,
                                    [&](const WheelPrimitive& p) {
                                        const auto* l = std::get_if<LineShape>(&p);
                                        const double tip = 120.0 + kPointerTick;
                                        return l && std::fabs(l->from.x - tip * cosDeg(sun.exactAngle)) < 1e-9 &&
                                               std::fabs(l->from.y - tip * sinDeg(sun.exactAngle)) < 1e-9;
                                    }),
              1);
}

#ifdef __SANITIZE_ADDRESS__
constexpr int kSpreadCharts = 1000;
#else
constexpr int kSpreadCharts = 10000;
#endif

// Over random charts of every wheel kind the spread layout keeps every stack apart, inside
// its band, clear of the house lines, the cusp labels and the frame, and in zodiacal order,
// and every stack near its body: within 10 degrees on the natal rings. The bands of the
// middle and inner rings are too thin for a second row, so a cluster that fills a house
// there reaches a little further past its line (middle ring), and six or seven bodies within
// 15 degrees, on the inner rings whose stacks are 6 to 8 degrees wide, spread further still.
TEST(SpreadLayout, RandomChartsOfEveryKindHaveNoOverlapsAndKeepTheirOrder) {
    std::mt19937 random(20);
    const struct {
        const char* name;
        WheelKind kind;
        ChartType type;
        std::array<double, 3> largestDisplacement;  // by ring: inner, natal, middle
    } rows[] = {{"single_american", WheelKind::Single, ChartType::American, {0.0, 10.0, 0.0}},
                {"single_european", WheelKind::Single, ChartType::European, {0.0, 10.0, 0.0}},
                {"dual", WheelKind::Dual, ChartType::American, {16.0, 10.0, 0.0}},
                {"triple", WheelKind::Triple, ChartType::American, {24.0, 10.0, 10.5}}};
    for (const auto& row : rows) {
        test::LayoutFaults layout;
        SpreadFaults total;
        std::array<std::vector<double>, 3> displacement;
        for (int i = 0; i < kSpreadCharts; ++i) {
            const WheelInput in = spreadInput(test::randomInput(row.kind, row.type, random));
            const WheelDrawing d = buildWheel(in);
            layout += test::checkLayout(in, d);
            const SpreadFaults f = checkSpread(d);
            total.overlaps += f.overlaps;
            total.outsideBand += f.outsideBand;
            total.throughLines += f.throughLines;
            total.orderBroken += f.orderBroken;
            total.secondRows += f.secondRows;
            total.squeezed += f.squeezed;
            for (std::size_t r = 0; r < 3; ++r) {
                displacement[r].insert(displacement[r].end(), f.displacement[r].begin(), f.displacement[r].end());
            }
        }
        EXPECT_EQ(total.overlaps, 0) << row.name;
        EXPECT_EQ(total.outsideBand, 0) << row.name;
        EXPECT_EQ(total.throughLines, 0) << row.name;
        EXPECT_EQ(total.orderBroken, 0) << row.name;
        EXPECT_EQ(layout.drawnWrongly, 0) << row.name;
        EXPECT_EQ(layout.labelsOverStacks, 0) << row.name;
        EXPECT_EQ(layout.outsideFrame, 0) << row.name;
        ::testing::Test::RecordProperty(std::string("spread_overlaps_") + row.name, total.overlaps);
        std::printf(
            "spread %s: %d overlaps, %d lines through stacks, %d rings out of order, second rows in %.2f %% and stacks "
            "spread regardless of houses in %.2f %% of %d "
            "charts\n",
            row.name, total.overlaps, total.throughLines, total.orderBroken, 100.0 * total.secondRows / kSpreadCharts,
            100.0 * total.squeezed / kSpreadCharts, kSpreadCharts);
        for (int r : {ring::Natal, ring::Middle, ring::Inner}) {
            const auto& moved = displacement[static_cast<std::size_t>(r)];
            if (moved.empty()) continue;
            double sum = 0.0;
            for (double x : moved) sum += x;
            const double mean = sum / static_cast<double>(moved.size());
            std::printf("  ring %d: displacement mean %.2f, largest %.2f degrees\n", r, mean, std::ranges::max(moved));
            EXPECT_LT(mean, 2.0) << row.name << " ring " << r;
            EXPECT_LT(std::ranges::max(moved), row.largestDisplacement[static_cast<std::size_t>(r)])
                << row.name << " ring " << r;
        }
    }
}

}  // namespace
}  // namespace helion
