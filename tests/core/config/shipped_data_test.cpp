// The data files shipped in data/: line breaks, the options master copy, the size of
// the tables. Whether every line reads cleanly is the data checker's test.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "core/base/text_file.h"
#include "core/config/options.h"
#include "core/input/cities_file.h"
#include "core/input/time_zone_table.h"

namespace helion {
namespace {

const std::filesystem::path kData = std::filesystem::path(HELION_SOURCE_DIR) / "data";

std::string shipped(std::string_view name) { return readTextFile(kData / name).value_or(""); }

TEST(ShippedData, EveryFileEndsEachLineWithCrLf) {
    for (const auto& entry : std::filesystem::directory_iterator(kData)) {
        if (entry.path().extension() == ".ttf") continue;  // the glyph font is binary
        const auto text = readTextFile(entry.path()).value_or("");
        const auto name = entry.path().filename().string();
        ASSERT_FALSE(text.empty()) << name;
        EXPECT_TRUE(text.ends_with("\r\n")) << name;
        for (std::size_t i = 0; i < text.size(); ++i) {
            const bool bareCr = text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n');
            const bool bareLf = text[i] == '\n' && (i == 0 || text[i - 1] != '\r');
            ASSERT_FALSE(bareCr || bareLf) << name << " at byte " << i;
        }
    }
}

TEST(ShippedData, OptionsFileIsTheMasterCopyWithALinePerEntry) {
    const std::string options = shipped(kOptionsFile);
    EXPECT_EQ(options, shipped(kOptionsMasterFile));
    EXPECT_EQ(splitLines(options).size(), static_cast<std::size_t>(kOptionEntries));
    const OptionsLoad load = loadOptions(kData / kOptionsFile, OptionValues{});
    EXPECT_TRUE(load.messages.empty());
    EXPECT_GE(load.values.savedPageLength(), 2.0f);
}

TEST(ShippedData, TablesHoldEnoughRecords) {
    const TimeZoneTable zones = loadTimeZoneTable(kData / kTimeZoneFile);
    EXPECT_GE(zones.zones.size(), 60u);
    // The Time Zone window finds the chosen zone by the text before the first "-" of its list line.
    for (const auto& zone : zones.zones) EXPECT_EQ(zone.name.find('-'), std::string::npos) << zone.name;
    EXPECT_GE(loadCitiesFile(kData / kDefaultCitiesFile).records.size(), 300u);
}

}  // namespace
}  // namespace helion
