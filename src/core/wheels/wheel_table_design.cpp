#include "core/wheels/wheel_table_design.h"

#include <algorithm>
#include <cmath>

#include "core/astro/angles.h"
#include "core/wheels/nominal_glyph_sizes.h"
#include "core/wheels/ring_layout.h"
#include "core/wheels/wheel_style.h"

namespace helion {
namespace {

constexpr double kClearance = 2.0;  // units kept free inside the outer circle

bool boxInside(double x, double y, TextBox box, double radius) {
    const auto inside = [radius](double px, double py) { return px * px + py * py <= radius * radius; };
    return inside(x, y) && inside(x + box.width, y) && inside(x, y - box.height) &&
           inside(x + box.width, y - box.height);
}

TextBox larger(TextBox a, TextBox b) { return {std::max(a.width, b.width), std::max(a.height, b.height)}; }

}  // namespace

std::vector<std::int16_t> designGlyphRadii(TextBox planetCell) {
    std::vector<std::int16_t> radii;
    for (int degree = 0; degree <= 360; ++degree) {
        // The whole degree stands for angles up to the next one: fit the worse of both ends.
        int r = static_cast<int>(kOuterCircle);
        const auto fits = [&](int radius) {
            return std::ranges::all_of(std::array{double(degree), degree + 0.999}, [&](double a) {
                return boxInside(radius * cosDeg(a), radius * sinDeg(a), planetCell, kOuterCircle - kClearance);
            });
        };
        while (r > 0 && !fits(r)) --r;
        radii.push_back(static_cast<std::int16_t>(r));
    }
    return radii;
}

std::vector<std::int16_t> designCuspLabels(const CuspLabelSizes& sizes) {
    std::vector<std::int16_t> table;
    for (int entry = 1; entry <= 12; ++entry) {
        const CuspLabelCorners corners =
            cuspLabelBeside(equalSectorLineAngle(houseOfCuspEntry(entry)), sizes, 0.9875).value();
        for (const WheelPoint& corner : corners) {
            table.push_back(static_cast<std::int16_t>(std::lround(corner.x)));
            table.push_back(static_cast<std::int16_t>(std::lround(corner.y)));
        }
    }
    table.push_back(0);  // the 121st value is not read by any label
    return table;
}

DesignCells largestStartupCells(const OptionValues& options) {
    DesignCells cells{};
    const WheelStyle style = wheelStyle(options, WheelTarget::Screen, WheelKind::Single, false);
    for (const StartupWindow& window : kStartupWindows) {
        const GlyphSizes g = nominalGlyphSizes(style, window.unitsPerPoint());
        cells.planet = larger(cells.planet,
                              {g.planet.width + style.planetWidthMargin, g.planet.height + style.planetHeightMargin});
        cells.label.degreeDigit = larger(cells.label.degreeDigit, g.cuspDigit);
        cells.label.sign = larger(cells.label.sign, g.cuspSign);
        cells.label.minuteDigit = larger(cells.label.minuteDigit, g.cuspMinuteDigit);
    }
    return cells;
}

std::string integerTableText(const std::vector<std::int16_t>& values) {
    std::string text;
    for (std::int16_t v : values) text += std::to_string(v) + "\r\n";
    return text;
}

}  // namespace helion
