#include "core/wheels/spread_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "core/astro/angles.h"
#include "core/wheels/ring_layout.h"
#include "wheel_samples.h"

namespace helion {
namespace {

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
        {"two clusters that meet", WheelKind::Dual, meeting, 190.0, 10.0, false},
        {"a body exactly on a cusp", WheelKind::Single, onCusp, 0.0, 7.0, false},
        {"a cluster against a house line", WheelKind::Single, againstLine, 0.0, kFarthest, false},
    };
    for (const auto& row : rows) {
        WheelInput in = test::inputFor(row.kind, ChartType::American, test::equalCusps(row.ascendant), row.natal,
                                       row.natal, row.natal);
        in.layout = WheelLayout::Spread;
        const WheelDrawing d = buildWheel(in);
        test::LayoutFaults f;
        test::checkLayout(in, d, f);
        SCOPED_TRACE(row.what);
        EXPECT_EQ(f.overlappingStacks, 0);
        EXPECT_EQ(f.outsideBand, 0);
        EXPECT_EQ(f.linesThroughStacks, 0);
        EXPECT_EQ(f.ringsOutOfOrder, 0);
        EXPECT_EQ(std::ranges::any_of(d.stacks, [](const StackEntry& s) { return s.row == 1; }), row.secondRow);
        EXPECT_LT(std::ranges::max(f.displacement[ring::Natal]), row.largestDisplacement);
    }
}

// A tick on the inner circle at the body, and a line from its tip to the nearest point of
// the stack unless the stack stands in the outer row within a quarter degree of its body.
TEST(SpreadLayout, APointerLineJoinsOnlyAMovedStackToItsTick) {
    const std::vector<StackCell> cells{{TextShape{{2, 120}, "", 224, 10, 0, false, TextAnchor::TopLeft}, {6, 8}}};
    const struct {
        int row;
        double moved;
        std::size_t lines;
    } rows[] = {{0, 0.24, 1}, {0, -0.26, 2}, {0, 0.26, 2}, {1, 0.0, 2}};
    for (const auto& row : rows) {
        std::vector<WheelPrimitive> out;
        appendPointer(out, {Point::Sun, 90.0, 90.0 + row.moved, 110.0, row.row, false}, 100.0, cells, 5);
        ASSERT_EQ(out.size(), row.lines) << row.moved;
        EXPECT_EQ(std::get<LineShape>(out[0]).to.y, 104.0);
        if (row.lines == 2) {
            EXPECT_EQ(std::get<LineShape>(out[1]).to, (WheelPoint{2, 112})) << row.moved;
        }
    }
}

// A ring too full for any grouping of its houses spreads its stacks over the whole ring from
// the middle of the widest gap between bodies, here the one away from the cluster across
// 0 degrees: the cluster then spreads about its centre.
TEST(SpreadLayout, AnOverfullRingSpreadsFromTheWidestGap) {
    SpreadRing ring{100.0, 115.0, {}};
    for (int house = 1; house <= 12; ++house) ring.houseLine[static_cast<std::size_t>(house)] = 30.0 * (house - 1);
    std::vector<SpreadBody> bodies;
    for (int k = 0; k < 12; ++k) {
        const double angle = normalize360(340.0 + 2.0 * k);
        bodies.push_back({kAllPoints[static_cast<std::size_t>(k)], angle < 30.0 ? 1 : 12, angle});
    }
    const StackCells cells = [](const PlacedBody& b) {
        const WheelPoint at{b.radius * cosDeg(b.angle) - 10.0, b.radius * sinDeg(b.angle) + 4.0};
        return std::vector<StackCell>{{TextShape{at, "", 224, 10, 0, false, TextAnchor::TopLeft}, {20, 8}}};
    };
    double signedSum = 0.0;
    for (const SpreadStack& s : spreadRing(bodies, ring, cells)) {
        EXPECT_TRUE(s.leftHouses);
        signedSum += wrap180(s.angle - s.exactAngle);
    }
    EXPECT_NEAR(signedSum, 0.0, 1e-6);
}

}  // namespace
}  // namespace helion
