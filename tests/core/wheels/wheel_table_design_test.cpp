// The shipped wheel data tables are what their design gives at the shipped options, the
// tables that stand in for a file that cannot be used; HELION_WRITE_WHEEL_TABLES=1 writes
// them into data/ instead.
#include "core/wheels/wheel_table_design.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "core/base/text_file.h"
#include "core/config/wheel_data_tables.h"
#include "core/wheels/wheel_tables.h"

namespace helion {
namespace {

const std::filesystem::path kData = std::filesystem::path(HELION_SOURCE_DIR) / "data";

TEST(WheelTableDesign, ShippedFilesMatchTheirDesign) {
    const std::pair<std::string_view, std::string> files[] = {
        {kGlyphRadiusFile, integerTableText(shippedWheelTable(WheelTable::GlyphRadii))},
        {kCuspLabelFile, integerTableText(shippedWheelTable(WheelTable::CuspLabels))},
    };
    for (const auto& [name, text] : files) {
        if (std::getenv("HELION_WRITE_WHEEL_TABLES")) std::ofstream(kData / name, std::ios::binary) << text;
        EXPECT_EQ(readTextFile(kData / name), text) << name << ": run the core tests with HELION_WRITE_WHEEL_TABLES=1";
    }
}

}  // namespace
}  // namespace helion
