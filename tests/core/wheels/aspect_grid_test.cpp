#include "core/wheels/aspect_grid.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/wheels/wheel_options.h"

namespace helion {
namespace {

AspectListInput sunMoonSextile(bool singleChart) {
    AspectListInput in;
    for (const Point p : kAllPoints) in.natal.longitude[p] = 7.0 * pointNumber(p);  // no aspects
    in.natal.longitude[Point::Sun] = 200.0;
    in.natal.longitude[Point::Moon] = 260.0;
    in.second = in.natal;
    in.singleChart = singleChart;
    in.orbs.value[orbEntry(Aspect::Sextile)] = 1.0f;
    return in;
}

TEST(AspectGrid, ASingleChartShowsEachPairOnceBelowTheDiagonal) {
    for (const bool singleChart : {true, false}) {
        std::vector<WheelPrimitive> out;
        appendAspectGrid(out, sunMoonSextile(singleChart), {{100, -200}, 13, 10, 10});
        const auto sextiles = std::ranges::count_if(out, [](const WheelPrimitive& p) {
            const auto* text = std::get_if<TextShape>(&p);
            return text && text->glyph == 162;
        });
        EXPECT_EQ(sextiles, singleChart ? 1 : 2);
    }
}

// Entry 178 switches the printed grid on; a triple wheel's page has no room for it.
TEST(AspectGrid, APrintedPageHasItWhenSwitchedOnUnlessTheWheelIsTriple) {
    const struct {
        float entry178;
        WheelKind kind;
        bool grid;
    } rows[] = {{1, WheelKind::Dual, true},
                {0, WheelKind::Single, false},
                {1, WheelKind::Triple, false},
                {-1, WheelKind::Single, true}};
    for (const auto& row : rows) {
        OptionValues options = shippedWheelOptions();
        options.value[178] = row.entry178;
        EXPECT_EQ(printedPageHasAspectGrid(options, row.kind), row.grid) << row.entry178 << static_cast<int>(row.kind);
    }
}

TEST(AspectGrid, OptionEntriesPlaceTheGridElseItSitsInThePageCornerBelowTheWheel) {
    OptionValues options{};
    const WheelFrame page{-249, 264.25, 281, -398.25};
    const AspectGridLayout fallback = aspectGridLayout(options, page, 10);
    EXPECT_LE(fallback.topLeft.x + 13 * fallback.cell, page.right);
    EXPECT_LT(fallback.topLeft.y, -217);  // below the wheel's outer circle
    EXPECT_GE(fallback.topLeft.y - 13 * fallback.cell, page.bottom);
    options.value[181] = 20;
    options.value[182] = -150;
    EXPECT_EQ(aspectGridLayout(options, page, 10).topLeft, (WheelPoint{20, -150}));
}

}  // namespace
}  // namespace helion
