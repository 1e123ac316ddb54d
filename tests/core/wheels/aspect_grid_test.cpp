#include "core/wheels/aspect_grid.h"

#include <gtest/gtest.h>

#include <algorithm>

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
    for (int p = 1; p <= point::Count; ++p) in.natal.longitude[static_cast<std::size_t>(p)] = 7.0 * p;  // no aspects
    in.natal.longitude[point::Sun] = 200.0;
    in.natal.longitude[point::Moon] = 260.0;
    in.second = in.natal;
    in.singleChart = singleChart;
    in.orbs.orb[2] = 1.0f;  // sextile
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

// Which of the grid's lines, body glyphs and aspect glyphs differ between two grids drawn
// in the same order.
struct ChangedParts {
    bool lines = false, bodies = false, aspects = false;
};

ChangedParts changedParts(const std::vector<WheelPrimitive>& a, const std::vector<WheelPrimitive>& b) {
    ChangedParts changed;
    for (std::size_t i = 0; i < std::min(a.size(), b.size()); ++i) {
        if (const auto* line = std::get_if<LineShape>(&a[i])) {
            const auto& other = std::get<LineShape>(b[i]);
            changed.lines |= line->from != other.from || line->to != other.to || line->colour != other.colour;
            continue;
        }
        const auto& text = std::get<TextShape>(a[i]);
        const auto& other = std::get<TextShape>(b[i]);
        const bool differs = text.at != other.at || text.fontSize != other.fontSize || text.colour != other.colour;
        (text.glyph >= 224 ? changed.bodies : changed.aspects) |= differs;
    }
    return changed;
}

TEST(AspectGrid, EachLayoutEntryChangesItsOwnPartOfTheGrid) {
    const struct {
        int entry;
        float value;
        ChangedParts expected;
    } rows[] = {
        {183, 15, {true, true, true}},   // cell size
        {184, 8, {false, true, false}},  // body glyph size
        {185, 8, {false, false, true}},  // aspect glyph size
        {186, 1, {true, false, false}},  // line colour
        {187, 4, {false, true, false}},  // body glyph colour
        {188, 2, {false, false, true}},  // aspect glyph colour
        {189, 20, {true, true, true}},   // margin of the automatic corner
    };
    const WheelFrame page{-249, 264.25, 281, -398.25};
    std::vector<WheelPrimitive> standard;
    appendAspectGrid(standard, sunMoonSextile(true), aspectGridLayout(OptionValues{}, page, 10));
    for (const auto& row : rows) {
        OptionValues options{};
        options.value[static_cast<std::size_t>(row.entry)] = row.value;
        std::vector<WheelPrimitive> changed;
        appendAspectGrid(changed, sunMoonSextile(true), aspectGridLayout(options, page, 10));
        ASSERT_EQ(changed.size(), standard.size()) << row.entry;
        const ChangedParts parts = changedParts(changed, standard);
        EXPECT_EQ(parts.lines, row.expected.lines) << row.entry;
        EXPECT_EQ(parts.bodies, row.expected.bodies) << row.entry;
        EXPECT_EQ(parts.aspects, row.expected.aspects) << row.entry;
    }
}

}  // namespace
}  // namespace helion
