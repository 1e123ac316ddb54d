#include "core/wheels/aspect_grid.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "core/wheels/wheel_drawing.h"
#include "core/wheels/wheel_options.h"

namespace helion {
namespace {

// Glyph codes drawn inside the grid's body cells (not its header row or column).
std::vector<int> cellGlyphs(const std::vector<WheelPrimitive>& out, const AspectGridLayout& g) {
    std::vector<int> glyphs;
    for (const auto& p : out) {
        const auto* text = std::get_if<TextShape>(&p);
        if (text && text->at.x > g.topLeft.x + g.cell && text->at.y < g.topLeft.y - g.cell)
            glyphs.push_back(text->glyph);
    }
    return glyphs;
}

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
    const struct {
        bool singleChart;
        std::size_t sextiles;
    } rows[] = {{true, 1}, {false, 2}};
    const AspectGridLayout layout{{100, -200}, 13, 10, 10};
    for (const auto& row : rows) {
        std::vector<WheelPrimitive> out;
        appendAspectGrid(out, sunMoonSextile(row.singleChart), layout);
        EXPECT_EQ(static_cast<std::size_t>(std::ranges::count(cellGlyphs(out, layout), 162)), row.sextiles);
        // 14 horizontal and 14 vertical grid lines
        EXPECT_EQ(std::ranges::count_if(out, [](const auto& p) { return std::holds_alternative<LineShape>(p); }), 28);
    }
}

// Entry 178 switches the printed grid on; a triple wheel's page has no room for it.
TEST(AspectGrid, APrintedPageHasItWhenSwitchedOnUnlessTheWheelIsTriple) {
    const struct {
        float entry178;
        WheelKind kind;
        bool grid;
    } rows[] = {{1, WheelKind::Single, true}, {1, WheelKind::Dual, true},    {0, WheelKind::Single, false},
                {0, WheelKind::Dual, false},  {1, WheelKind::Triple, false}, {-1, WheelKind::Single, true}};
    for (const auto& row : rows) {
        OptionValues options = shippedWheelOptions();
        options.value[178] = row.entry178;
        EXPECT_EQ(printedPageHasAspectGrid(options, row.kind), row.grid) << row.entry178 << static_cast<int>(row.kind);
        WheelDrawing page;
        page.kind = row.kind;
        page.frame = {-249, 264.25, 281, -398.25};
        appendPrintedAspectGrid(page, options, AspectListInput{});
        EXPECT_EQ(page.primitives.empty(), !row.grid) << row.entry178;
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
    options.value[183] = 9;
    options.value[184] = 7;
    const AspectGridLayout set = aspectGridLayout(options, page, 10);
    EXPECT_EQ(set.topLeft, (WheelPoint{20, -150}));
    EXPECT_EQ(set.cell, 9);
    EXPECT_EQ(set.bodyGlyphSize, 7);
}

// Where, how large and in which colour each line (part 0), body glyph (1) and aspect glyph
// (2) of a grid is drawn.
using GridParts = std::array<std::vector<std::array<double, 4>>, 3>;

GridParts gridParts(const std::vector<WheelPrimitive>& grid) {
    GridParts parts;
    for (const auto& p : grid) {
        if (const auto* l = std::get_if<LineShape>(&p)) {
            parts[0].push_back({l->from.x, l->from.y, l->to.y, static_cast<double>(l->colour)});
        } else {
            const auto& t = std::get<TextShape>(p);
            parts[t.glyph >= 224 ? 1 : 2].push_back({t.at.x, t.at.y, t.fontSize, static_cast<double>(t.colour)});
        }
    }
    return parts;
}

TEST(AspectGrid, EachLayoutEntryChangesItsOwnPartOfTheGrid) {
    const struct {
        int entry;
        float value;
        std::array<bool, 3> changed;  // lines, body glyphs, aspect glyphs
    } rows[] = {
        {185, 8, {false, false, true}},  // aspect glyph size
        {186, 1, {true, false, false}},  // line colour
        {187, 4, {false, true, false}},  // body glyph colour
        {188, 2, {false, false, true}},  // aspect glyph colour
        {189, 20, {true, true, true}},   // margin of the automatic corner
    };
    const WheelFrame page{-249, 264.25, 281, -398.25};
    const auto grid = [&](const OptionValues& options) {
        std::vector<WheelPrimitive> out;
        appendAspectGrid(out, sunMoonSextile(true), aspectGridLayout(options, page, 10));
        return gridParts(out);
    };
    const GridParts standard = grid(OptionValues{});
    for (const auto& row : rows) {
        OptionValues options{};
        options.value[static_cast<std::size_t>(row.entry)] = row.value;
        const GridParts changed = grid(options);
        for (std::size_t part = 0; part < 3; ++part)
            EXPECT_EQ(changed[part] != standard[part], row.changed[part]) << row.entry << " part " << part;
    }
}

}  // namespace
}  // namespace helion
