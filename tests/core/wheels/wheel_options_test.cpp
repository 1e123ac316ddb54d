#include "core/wheels/wheel_options.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <limits>

#include "core/wheels/wheel_style.h"

namespace helion {
namespace {

// What stands in for a value out of range must be what the program ships.
TEST(WheelOptions, ShippedValuesAreTheMasterFilesAndLieInTheirRanges) {
    const OptionValues master =
        loadOptions(std::filesystem::path(HELION_SOURCE_DIR) / "data" / kOptionsMasterFile).values;
    const OptionValues shipped = shippedWheelOptions();
    for (const ValueRange& range : wheelOptionRanges()) {
        for (int entry = range.firstEntry; entry <= range.lastEntry; ++entry) {
            EXPECT_EQ(shipped.value[entry], master.value[entry]) << entry;
            EXPECT_TRUE(range.holds(shipped.value[entry])) << entry;
        }
    }
}

TEST(WheelOptions, AStyleDrawsAValueOutOfRangeAsShipped) {
    const float nan = std::numeric_limits<float>::quiet_NaN(), infinity = std::numeric_limits<float>::infinity();
    const struct {
        int entry;
        float value;
        std::function<double(const WheelStyle&)> field;
        double drawn;
    } rows[] = {
        {70, 600.0f, [](const WheelStyle& s) { return s.cuspSignSize; }, 9.0},
        {70, 20.0f, [](const WheelStyle& s) { return s.cuspSignSize; }, 20.0},
        {92, infinity, [](const WheelStyle& s) { return s.planetGlyphs; }, 1.0},  // 1e39 read as a float
        {61, nan, [](const WheelStyle& s) { return s.digitWidthMargin; }, 1.0},
        {194, 50.0f, [](const WheelStyle& s) { return s.reversedDigitShrink; }, 2.0},
    };
    for (const auto& row : rows) {
        OptionValues options = shippedWheelOptions();
        options.value[static_cast<std::size_t>(row.entry)] = row.value;
        EXPECT_EQ(row.field(wheelStyle(options, WheelTarget::Screen, WheelKind::Single, false)), row.drawn)
            << row.entry << " " << row.value;
    }
}

}  // namespace
}  // namespace helion
