#include "core/wheels/wheel_drawing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <random>

#include "core/astro/angles.h"
#include "core/wheels/cusp_labels.h"
#include "core/wheels/european_angles.h"
#include "wheel_samples.h"

namespace helion {
namespace {

// The European rule keeps stacks in longitude order, half a spacing off every cusp line
// and a spacing apart, or spreads them evenly over a house too narrow for that.
TEST(EuropeanAngles, StacksKeepClearOfLinesAndOfEachOther) {
    const CuspTable cusp = test::cuspsFrom(100.0, {5, 40, 40, 30, 35, 30});  // house 1 arcs 5 degrees
    PointTable lon{};
    for (const Point p : kAllPoints) lon[p] = normalize360(200.0 + 23.0 * pointNumber(p));
    const struct {
        const char* what;
        std::vector<std::pair<Point, double>> bodies;
        std::vector<double> angles;
    } rows[] = {
        {"on the Ascendant", {{Point::Sun, 100.1}}, {182.0}},
        {"three in a narrow house",
         {{Point::Sun, 100.5}, {Point::Moon, 101.0}, {Point::Mercury, 101.5}},
         {181.25, 182.5, 183.75}},
        {"close pair", {{Point::Sun, 110.0}, {Point::Moon, 111.0}}, {190.0, 194.0}},
        {"before the next cusp", {{Point::Sun, 144.9}}, {223.0}},
    };
    for (const auto& row : rows) {
        PointTable l = lon;
        for (const auto& [p, value] : row.bodies) l[p] = value;
        WheelInput in = test::inputFor(WheelKind::Single, ChartType::European, cusp, l);
        in.glyphs.planet = {5.0, 5.0};  // small glyphs: the slot spacing of 4 degrees holds
        const WheelDrawing d = buildWheel(in);
        for (std::size_t i = 0; i < row.bodies.size(); ++i) {
            EXPECT_NEAR(d.rings[0].bodies[row.bodies[i].first].angle, row.angles[i], 1e-9)
                << row.what << " " << pointNumber(row.bodies[i].first);
        }
    }
}

// A 12 x 16 cell's half-diagonal of 10 spans 2 asin(10 / 183) = 6.26495 degrees at radius 183;
// a start radius inside the cell keeps the slot spacing.
TEST(EuropeanAngles, LargeGlyphsWidenTheSpacing) {
    EXPECT_DOUBLE_EQ(europeanSpacing(4.0, {5.0, 5.0}, 183.0), 4.0);
    EXPECT_NEAR(europeanSpacing(4.0, {12.0, 16.0}, 183.0), 6.264954385, 1e-9);
    EXPECT_DOUBLE_EQ(europeanSpacing(4.0, {12.0, 16.0}, 9.0), 4.0);
}

// A label spaced wider than its characters (as a table made for larger glyphs places it)
// covers everything up to its last character.
TEST(CuspLabels, ALabelCoversTheBoxAroundAllFiveCharacters) {
    const CuspLabelSizes sizes{{4, 6}, {7, 8}, {3, 5}};
    const CuspLabelCorners spread{{{0, 0}, {6, 0}, {12, 0}, {22, 0}, {28, 0}}};  // 31 wide, not 21
    const struct {
        const char* what;
        TakenCell cell;
        bool free;
    } rows[] = {
        {"over the tens digit", {{1, -1}, {2, 2}}, false},
        {"over the minutes, past the characters' own widths", {{29, -1}, {2, 2}}, false},
        {"below the sign's cell", {{13, -8.5}, {2, 2}}, true},
        {"beyond the last character", {{31.5, 0}, {2, 2}}, true},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(labelIsFree(spread, sizes, std::span(&row.cell, 1)), row.free) << row.what;
    }
}

// A glyph larger than the frame (a tiny window, a huge font) keeps its top edge on the
// frame's instead of being pushed past it.
TEST(CuspLabels, AnInterceptedSignTallerThanTheFrameHangsFromItsTop) {
    const CuspTable cusp = test::cuspsFrom(29.0, {32, 28, 30, 30, 30, 30});  // Taurus lies inside house 1
    std::array<double, 13> lineAngle{};
    for (int entry = 1; entry <= 12; ++entry)
        lineAngle[static_cast<std::size_t>(entry)] = equalSectorLineAngle(houseOfCuspEntry(entry));
    const WheelFrame frame{-300, 225, 300, -225};
    for (const TextBox glyph : {TextBox{12, 14}, TextBox{40, 600}, TextBox{700, 600}}) {
        std::vector<WheelPrimitive> out;
        appendInterceptedSigns(out, cusp, lineAngle, true, WheelStyle{}, frame, glyph);
        ASSERT_EQ(out.size(), 2u);
        for (const WheelPrimitive& p : out) {
            const auto& sign = std::get<TextShape>(p);
            EXPECT_LE(sign.at.y, frame.top) << glyph.height;
            EXPECT_GE(sign.at.y - std::min(glyph.height, frame.top - frame.bottom), frame.bottom) << glyph.height;
        }
    }
}

// Under the sanitizers the same property runs on fewer charts.
#ifdef __SANITIZE_ADDRESS__
constexpr int kLayoutCharts = 1000;
#else
constexpr int kLayoutCharts = 10000;
#endif

// Over random charts every glyph starts inside its ring's band, clear of the cusp labels. The
// classic layout's stacks of one ring overlap only where adjacent slots lie closer than a glyph
// cell: never on the American single wheel. The spread layout keeps every stack apart, wholly
// inside its band, clear of the house lines, in zodiacal order and within 10 degrees of its
// body on the natal ring; the middle and inner bands are too thin for a second row, so
// clusters there spread further.
TEST(WheelLayout, RandomChartsOfEveryKindInEitherLayout) {
    std::mt19937 random(12);
    using enum WheelKind;
    const struct {
        const char* name;
        WheelKind kind;
        ChartType type;
        WheelLayout layout;
        bool stacksApart;
        std::array<double, 3> largestDisplacement;  // spread layout, by ring: inner, natal, middle
    } rows[] = {{"single_american", Single, ChartType::American, WheelLayout::Classic, true, {}},
                {"single_european", Single, ChartType::European, WheelLayout::Classic, false, {}},
                {"dual", Dual, ChartType::American, WheelLayout::Classic, false, {}},
                {"triple", Triple, ChartType::American, WheelLayout::Classic, false, {}},
                {"spread_single_american", Single, ChartType::American, WheelLayout::Spread, true, {0, 10, 0}},
                {"spread_single_european", Single, ChartType::European, WheelLayout::Spread, true, {0, 10, 0}},
                {"spread_dual", Dual, ChartType::American, WheelLayout::Spread, true, {16, 10, 0}},
                {"spread_triple", Triple, ChartType::American, WheelLayout::Spread, true, {24, 10, 10.5}}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        test::LayoutFaults total;
        for (int i = 0; i < kLayoutCharts; ++i) {
            WheelInput in = test::randomInput(row.kind, row.type, random);
            in.layout = row.layout;
            test::checkLayout(in, buildWheel(in), total);
        }
        EXPECT_EQ(total.outsideBand, 0);
        EXPECT_EQ(total.labelsOverStacks, 0);
        EXPECT_TRUE(!row.stacksApart || total.overlappingStacks == 0) << total.overlappingStacks;
        if (row.layout == WheelLayout::Classic) continue;
        EXPECT_EQ(total.linesThroughStacks, 0);
        EXPECT_EQ(total.ringsOutOfOrder, 0);
        for (std::size_t r = 0; r < total.displacement.size(); ++r) {
            const auto& moved = total.displacement[r];
            if (moved.empty()) continue;
            const double mean = std::accumulate(moved.begin(), moved.end(), 0.0) / static_cast<double>(moved.size());
            EXPECT_LT(mean, 2.0);
            EXPECT_LT(std::ranges::max(moved), row.largestDisplacement[r]);
        }
    }
}

}  // namespace
}  // namespace helion
