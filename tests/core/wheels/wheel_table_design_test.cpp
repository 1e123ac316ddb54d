// The shipped wheel data tables are what their design gives at the shipped options, the
// tables that stand in for a file that cannot be used; HELION_WRITE_WHEEL_TABLES=1 writes
// them into data/ instead.
#include "core/wheels/wheel_table_design.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/astro/angles.h"
#include "core/config/wheel_data_tables.h"
#include "core/wheels/nominal_glyph_sizes.h"
#include "core/wheels/ring_layout.h"
#include "core/wheels/wheel_style.h"
#include "core/wheels/wheel_tables.h"
#include "wheel_samples.h"

namespace helion {
namespace {

const std::filesystem::path kData = std::filesystem::path(HELION_SOURCE_DIR) / "data";

std::string fileText(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(WheelTableDesign, ShippedFilesMatchTheirDesign) {
    const std::pair<std::string_view, std::string> files[] = {
        {kGlyphRadiusFile, integerTableText(shippedWheelTable(WheelTable::GlyphRadii))},
        {kCuspLabelFile, integerTableText(shippedWheelTable(WheelTable::CuspLabels))},
    };
    for (const auto& [name, text] : files) {
        if (std::getenv("HELION_WRITE_WHEEL_TABLES")) std::ofstream(kData / name, std::ios::binary) << text;
        EXPECT_EQ(fileText(kData / name), text) << name << ": run the core tests with HELION_WRITE_WHEEL_TABLES=1";
    }
}

// At every start-up window size a natal glyph drawn at the tabled radius lies inside the
// natal ring's band of every wheel kind (triple: 164 to 217).
TEST(WheelTableDesign, NatalGlyphsStartInsideTheirBandAtEveryStartupSize) {
    const test::WheelSetting& s = test::shippedSetting();
    ASSERT_EQ(s.glyphRadii.size(), kGlyphRadiusEntries);
    const WheelStyle style = wheelStyle(s.options, WheelTarget::Screen, WheelKind::Triple, false);
    for (const StartupWindow& window : kStartupWindows) {
        const TextBox cell = nominalGlyphSizes(style, window.unitsPerPoint()).planet;
        for (double angle = 0.0; angle < 360.0; angle += 0.25) {
            const double r = s.glyphRadii[static_cast<std::size_t>(angle)];
            const double x = r * cosDeg(angle), y = r * sinDeg(angle);
            for (const auto& [cx, cy] :
                 {std::pair{x, y}, {x + cell.width, y}, {x, y - cell.height}, {x + cell.width, y - cell.height}}) {
                const double distance = std::hypot(cx, cy);
                EXPECT_LE(distance, kOuterCircle) << window.widthTwips << " " << angle;
                EXPECT_GE(distance, 164.0) << window.widthTwips << " " << angle;
            }
        }
    }
}

// Every label lies inside the outer circle and close beside its cusp line without
// crossing it, at the largest glyph cells of the start-up sizes.
TEST(WheelTableDesign, CuspLabelsSitBesideTheirLinesInsideTheWheel) {
    const DesignCells cells = largestStartupCells(test::shippedSetting().options);
    const auto& table = test::shippedSetting().cuspLabels;
    for (int label = 1; label <= 12; ++label) {
        const auto corners = tableLabelCorners(table, label);
        ASSERT_TRUE(corners);
        const double left = (*corners)[0].x, top = (*corners)[0].y;
        const double right = left + cells.label.width(), bottom = top - cells.label.height();
        for (const auto& [x, y] : {std::pair{left, top}, {right, top}, {left, bottom}, {right, bottom}}) {
            EXPECT_LE(std::hypot(x, y), kOuterCircle) << label;
        }
        const double lineAngle = equalSectorLineAngle(houseOfCuspEntry(label));
        const double middleAngle = normalize360(radToDeg(std::atan2((top + bottom) / 2, (left + right) / 2)));
        const double before = normalize360(lineAngle - middleAngle);
        EXPECT_GT(before, 0.0) << label;  // on the side of the house the cusp closes
        EXPECT_LT(before, 20.0) << label;
    }
}

}  // namespace
}  // namespace helion
