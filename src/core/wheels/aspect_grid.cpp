#include "core/wheels/aspect_grid.h"

#include "core/aspects/aspect_kinds.h"
#include "core/wheels/glyph_stack.h"
#include "core/wheels/wheel_options.h"
#include "core/wheels/wheel_style.h"

namespace helion {
namespace {

constexpr double kDefaultCell = 13.0;
constexpr double kDefaultPageMargin = 6.0;

double optionOr(const OptionValues& options, AspectGridEntry entry, double fallback) {
    const double value = options.aspectGrid(entry);
    return value != 0 ? value : fallback;
}

}  // namespace

AspectGridLayout aspectGridLayout(const OptionValues& options, const WheelFrame& page, double planetGlyphSize) {
    using enum AspectGridEntry;
    const auto colour = [&](AspectGridEntry entry, int fallback) {
        return static_cast<int>(optionOr(options, entry, fallback));
    };
    const double cell = optionOr(options, Cell, kDefaultCell);
    const double side = cell * static_cast<double>(kListedBodies.size() + 1);
    const double margin = optionOr(options, PageMargin, kDefaultPageMargin);
    const WheelPoint corner{page.right - margin - side, page.bottom + margin + side};
    return {{optionOr(options, CornerX, corner.x), optionOr(options, CornerY, corner.y)},
            cell,
            optionOr(options, PlanetSize, planetGlyphSize),
            optionOr(options, AspectSize, planetGlyphSize),
            colour(LineColour, palette::Grey),
            colour(PlanetColour, palette::Black),
            colour(AspectColour, palette::Black)};
}

void appendAspectGrid(std::vector<WheelPrimitive>& out, const AspectListInput& charts, const AspectGridLayout& g) {
    const std::size_t count = kListedBodies.size();
    const double side = g.cell * static_cast<double>(count + 1);
    const auto at = [&](std::size_t column, std::size_t row) {
        return WheelPoint{g.topLeft.x + g.cell * (static_cast<double>(column) + 0.5),
                          g.topLeft.y - g.cell * (static_cast<double>(row) + 0.5)};
    };
    const auto glyph = [&](WheelPoint centre, int code, double size, int colour) {
        out.push_back(TextShape{centre, "", code, size, colour, false, TextAnchor::Centre});
    };
    for (std::size_t i = 0; i <= count + 1; ++i) {
        const double offset = g.cell * static_cast<double>(i);
        out.push_back(
            LineShape{{g.topLeft.x, g.topLeft.y - offset}, {g.topLeft.x + side, g.topLeft.y - offset}, g.lineColour});
        out.push_back(
            LineShape{{g.topLeft.x + offset, g.topLeft.y}, {g.topLeft.x + offset, g.topLeft.y - side}, g.lineColour});
    }
    for (std::size_t i = 0; i < count; ++i) {
        glyph(at(0, i + 1), planetGlyph(kListedBodies[i]), g.bodyGlyphSize, g.bodyColour);
        glyph(at(i + 1, 0), planetGlyph(kListedBodies[i]), g.bodyGlyphSize, g.bodyColour);
    }
    for (std::size_t row = 0; row < count; ++row) {
        for (std::size_t column = 0; column < count; ++column) {
            if (charts.singleChart && column >= row) continue;
            const auto aspect =
                wheelAspectBetween(charts.natal, kListedBodies[row], charts.second, kListedBodies[column], charts.orbs);
            if (aspect) glyph(at(column + 1, row + 1), aspectGlyph(*aspect), g.aspectGlyphSize, g.aspectColour);
        }
    }
}

bool printedPageHasAspectGrid(const OptionValues& options, WheelKind kind) {
    return wheelOptionsInRange(options).printedAspectGrid() && kind != WheelKind::Triple;
}

void appendPrintedAspectGrid(WheelDrawing& page, const OptionValues& options, const AspectListInput& charts) {
    if (!printedPageHasAspectGrid(options, page.kind)) return;
    const OptionValues inRange = wheelOptionsInRange(options);
    const double glyphSize = wheelStyle(inRange, WheelTarget::Printer, page.kind, false).planetSize;
    appendAspectGrid(page.primitives, charts, aspectGridLayout(inRange, page.frame, glyphSize));
}

}  // namespace helion
