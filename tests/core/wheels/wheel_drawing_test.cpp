#include "core/wheels/wheel_drawing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <random>

#include "core/astro/angles.h"
#include "core/wheels/cusp_labels.h"
#include "core/wheels/european_angles.h"
#include "wheel_samples.h"

namespace helion {
namespace {

template <typename Shape>
std::vector<Shape> shapesOf(const WheelDrawing& d) {
    std::vector<Shape> shapes;
    for (const WheelPrimitive& p : d.primitives) {
        if (const auto* s = std::get_if<Shape>(&p)) shapes.push_back(*s);
    }
    return shapes;
}

PointTable spreadPoints(double from) {
    PointTable lon{};
    for (const Point p : kAllPoints) lon[p] = normalize360(from + 23.0 * pointNumber(p));
    return lon;
}

WheelInput dualInput() {
    return test::inputFor(WheelKind::Dual, ChartType::American, test::equalCusps(0.0), spreadPoints(0),
                          spreadPoints(7));
}

TEST(WheelDrawing, HouseLinesOfScreenAndPrinterDifferOnlyInTheirVerticalFactor) {
    const struct {
        WheelTarget target;
        WheelKind kind;
        WheelPoint from, to;
    } rows[] = {
        {WheelTarget::Screen, WheelKind::Single, {0, 120 * 0.9875}, {0, 217 * 0.9875}},
        {WheelTarget::Printer, WheelKind::Single, {0, 116.1}, {0, 209.9475}},
        {WheelTarget::Printer, WheelKind::Dual, {0, 38.7}, {0, 209.9475}},
    };
    for (const auto& row : rows) {
        WheelInput in = test::inputFor(row.kind, ChartType::American, test::equalCusps(10.0), spreadPoints(0));
        in.target = row.target;
        const auto lines = shapesOf<LineShape>(buildWheel(in));
        const bool found = std::ranges::any_of(lines, [&](const LineShape& l) {
            return std::fabs(l.from.y - row.from.y) < 1e-6 && std::fabs(l.to.y - row.to.y) < 1e-6 &&
                   std::fabs(l.to.x) < 1e-3;
        });
        EXPECT_TRUE(found) << static_cast<int>(row.target) << static_cast<int>(row.kind);
    }
}

TEST(WheelDrawing, AspectLinesOncePerOrderedPairAndNoneForAConjunction) {
    PointTable lon = spreadPoints(0);
    const double others[] = {200, 213, 227, 244, 262, 281, 300};  // no aspects among them or to the three below
    constexpr auto kVenusToPluto = pointsFromTo<Point::Venus, Point::Pluto>();
    for (std::size_t k = 0; k < kVenusToPluto.size(); ++k) lon[kVenusToPluto[k]] = others[k];
    lon[Point::Sun] = 10.0;
    lon[Point::Moon] = 70.0;     // exact sextile with the Sun
    lon[Point::Mercury] = 12.0;  // conjunct the Sun
    WheelInput in = test::inputFor(WheelKind::Single, ChartType::American, test::equalCusps(100.0), lon);
    for (int entry : {3, 4, 5, 10}) in.options.value[static_cast<std::size_t>(entry)] = 0.5f;
    in.options.value[2] = 1.0f;
    const WheelDrawing d = buildWheel(in);
    const int sextileColour = static_cast<int>(in.options.value[97]);
    const auto lines = shapesOf<LineShape>(d);
    EXPECT_EQ(std::ranges::count_if(lines, [&](const LineShape& l) { return l.colour == sextileColour; }), 2);
    const auto texts = shapesOf<TextShape>(d);
    EXPECT_EQ(std::ranges::count_if(texts, [](const TextShape& t) { return t.glyph == 162; }), 2);

    in.options.value[47] = 0.0f;  // aspect lines switched off
    EXPECT_EQ(shapesOf<LineShape>(buildWheel(in)).size(), 12u);
}

TEST(WheelDrawing, MonochromeIsBlackOnWhite) {
    WheelInput in = dualInput();
    in.options.value[100] = 3.0f;
    in.monochrome = true;
    const WheelDrawing d = buildWheel(in);
    EXPECT_EQ(d.background, 15);
    for (const LineShape& l : shapesOf<LineShape>(d)) EXPECT_EQ(l.colour, 0);
    const auto discs = shapesOf<DiscShape>(d);
    ASSERT_EQ(discs.size(), 1u);
    EXPECT_EQ(discs[0].colour, 15);
}

TEST(WheelDrawing, EveryTextFollowsTheTextScale) {
    WheelInput in = dualInput();
    const auto sizes = [&](double scale) {
        in.textScale = scale;
        std::vector<double> out;
        for (const TextShape& t : shapesOf<TextShape>(buildWheel(in))) out.push_back(t.fontSize);
        return out;
    };
    const std::vector<double> plain = sizes(1.0), doubled = sizes(2.0);
    ASSERT_EQ(plain.size(), doubled.size());
    for (std::size_t i = 0; i < plain.size(); ++i) EXPECT_DOUBLE_EQ(doubled[i], 2.0 * plain[i]) << i;
}

TEST(WheelDrawing, TitleBlocksStartAtTheFrameEdges) {
    WheelInput in = dualInput();
    in.titles.natal[0] = "Ann - natal";
    in.titles.diurnal[0] = "Diurnal data";
    in.glyphs.titleLine = 10.0;
    const struct {
        WheelTarget target;
        int width, height;  // a page whose frame is just the printer's minimum
        double x, natalY, diurnalY;
    } rows[] = {
        {WheelTarget::Screen, 921, 705, -287 + 10, 287.0 * 705 / 921, -287.0 * 705 / 921 + 80},
        {WheelTarget::Printer, 9675, 12500, 16 - 265 + 30, 1.25 * 265 - 67, 1.25 * 265 - 67 - (1.25 * 265 + 20 * 10)},
    };
    for (const auto& row : rows) {
        in.target = row.target;
        in.startScale = 287;
        in.widthPixels = row.width;
        in.heightPixels = row.height;
        const auto texts = shapesOf<TextShape>(buildWheel(in));
        const auto find = [&](const std::string& s) { return std::ranges::find(texts, s, &TextShape::text); };
        ASSERT_NE(find("Ann - natal"), texts.end());
        EXPECT_NEAR(find("Ann - natal")->at.x, row.x, 1e-9);
        EXPECT_NEAR(find("Ann - natal")->at.y, row.natalY, 1e-9);
        EXPECT_NEAR(find("Diurnal data")->at.y, row.diurnalY, 1e-9);
    }
}

// The European rule keeps stacks in longitude order, half a spacing off every cusp line
// and a spacing apart, or spreads them evenly over a house too narrow for that.
TEST(EuropeanAngles, StacksKeepClearOfLinesAndOfEachOther) {
    const CuspTable cusp = test::cuspsFrom(100.0, {5, 40, 40, 30, 35, 30});  // house 1 arcs 5 degrees
    PointTable lon = spreadPoints(200.0);
    const struct {
        const char* what;
        std::vector<std::pair<Point, double>> bodies;
        std::vector<double> angles;
        TextBox planet{5.0, 5.0};  // small glyphs: the slot spacing of 4 degrees holds
    } rows[] = {
        {"on the Ascendant", {{Point::Sun, 100.1}}, {182.0}},
        {"three in a narrow house",
         {{Point::Sun, 100.5}, {Point::Moon, 101.0}, {Point::Mercury, 101.5}},
         {181.25, 182.5, 183.75}},
        {"close pair", {{Point::Sun, 110.0}, {Point::Moon, 111.0}}, {190.0, 194.0}},
        {"before the next cusp", {{Point::Sun, 144.9}}, {223.0}},
        {"close pair, large glyphs with their margins",
         {{Point::Sun, 110.0}, {Point::Moon, 111.0}},
         {190.0, 195.720142692},
         {12.0, 16.0}},
    };
    for (const auto& row : rows) {
        PointTable l = lon;
        for (const auto& [p, value] : row.bodies) l[p] = value;
        WheelInput in = test::inputFor(WheelKind::Single, ChartType::European, cusp, l);
        in.glyphs.planet = row.planet;
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
        WheelDrawing drawing;
        drawing.primitives = std::move(out);
        ASSERT_EQ(shapesOf<TextShape>(drawing).size(), 2u);
        for (const TextShape& sign : shapesOf<TextShape>(drawing)) {
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

// Over random charts, in either layout, every body a ring places is drawn once at its recorded
// stack, every glyph starts inside its ring's band, no cusp label touches a glyph stack and
// nothing reaches past the frame. The classic layout's stacks of one ring overlap only where
// adjacent slots lie closer than a glyph cell: never on the American single wheel. The spread
// layout keeps every stack apart, wholly inside its band, clear of the house lines, in zodiacal
// order and near its body: within 10 degrees on the natal rings. The bands of the middle and
// inner rings are too thin for a second row, so a cluster that fills a house there reaches a
// little further past its line (middle ring), and six or seven bodies within 15 degrees, on
// the inner rings whose stacks are 6 to 8 degrees wide, spread further still.
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
            total += test::checkLayout(in, buildWheel(in));
        }
        EXPECT_EQ(total.drawnWrongly, 0);
        EXPECT_EQ(total.natalOutsideBand, 0);
        EXPECT_EQ(total.othersOutsideBand, 0);
        EXPECT_EQ(total.labelsOverStacks, 0);
        EXPECT_EQ(total.outsideFrame, 0);
        if (row.stacksApart) {
            EXPECT_EQ(total.overlappingStacks, 0);
        }
        ::testing::Test::RecordProperty(std::string("overlapping_stacks_") + row.name, total.overlappingStacks);
        std::printf("%s: %d overlapping glyph stack pairs in %d charts\n", row.name, total.overlappingStacks,
                    kLayoutCharts);
        if (row.layout == WheelLayout::Classic) continue;
        EXPECT_EQ(total.cellsOverCircles, 0);
        EXPECT_EQ(total.linesThroughStacks, 0);
        EXPECT_EQ(total.ringsOutOfOrder, 0);
        for (int r : {ring::Natal, ring::Middle, ring::Inner}) {
            const auto& moved = total.displacement[static_cast<std::size_t>(r)];
            if (moved.empty()) continue;
            double sum = 0.0;
            for (double x : moved) sum += x;
            const double mean = sum / static_cast<double>(moved.size()), largest = std::ranges::max(moved);
            std::printf("  ring %d: displacement mean %.2f, largest %.2f degrees\n", r, mean, largest);
            EXPECT_LT(mean, 2.0) << " ring " << r;
            EXPECT_LT(largest, row.largestDisplacement[static_cast<std::size_t>(r)]) << " ring " << r;
        }
    }
}

}  // namespace
}  // namespace helion
