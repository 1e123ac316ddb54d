#include "core/config/orb_file.h"

#include <gtest/gtest.h>

#include "../base/temp_folder.h"
#include "core/aspects/aspect_kinds.h"

namespace helion {
namespace {

OrbTable filled(float value) {
    OrbTable t;
    t.orb.fill(value);
    return t;
}

// The leading number of a line's first 7 characters is its orb, a line without one gives
// 0, and the first empty line ends the list: later entries keep their previous orbs.
TEST(OrbFile, LinesGiveTheOrbsOfCodesInCodeOrder) {
    test::TempFolder folder;
    const auto file = folder.write("NATAL.ORB", "8.5 Conjunction\r\n   10\r\nSquare\r\n12.34567\r\n\r\n9\r\n");
    const OrbTableLoad load = loadOrbTable(file, filled(3));
    EXPECT_TRUE(load.messages.empty());
    EXPECT_FLOAT_EQ(load.table.orb[orbEntry(code::Conjunct)], 8.5f);
    EXPECT_FLOAT_EQ(load.table.orb[orbEntry(code::Sextile)], 10.0f);
    EXPECT_FLOAT_EQ(load.table.orb[orbEntry(code::Square)], 0.0f);
    EXPECT_FLOAT_EQ(load.table.orb[orbEntry(code::Trine)], 12.3456f);
    EXPECT_FLOAT_EQ(load.table.orb[orbEntry(code::Opposite)], 3.0f);
    EXPECT_FLOAT_EQ(load.table.orb[orbEntry(code::Parallel)], 3.0f);
}

TEST(OrbFile, UnusableFilesKeepThePreviousTable) {
    test::TempFolder folder;
    std::string eighteen;
    for (int i = 0; i < 18; ++i) eighteen += "1\r\n";
    const std::filesystem::path files[] = {folder.path() / "MISSING.ORB", folder.write("LONG.ORB", eighteen),
                                           folder.write("EMPTY.ORB", ""),
                                           folder.write("JUNK.ORB", std::string("\0\0\x03\x04", 4))};
    for (const auto& file : files) {
        const OrbTableLoad load = loadOrbTable(file, filled(2));
        EXPECT_EQ(load.table.orb, filled(2).orb) << file;
        ASSERT_EQ(load.messages.size(), 1u) << file;
        EXPECT_NE(load.messages[0].text.find(file.string()), std::string::npos);
    }
}

TEST(OrbFile, EveryShippedOrbFileHoldsSeventeenLabelledOrbs) {
    for (const auto name : orb_file::kShipped) {
        const auto file = std::filesystem::path(HELION_SOURCE_DIR) / "data" / name;
        const OrbTableLoad load = loadOrbTable(file, filled(-1));
        EXPECT_TRUE(load.messages.empty()) << name;
        EXPECT_TRUE(load.problems.empty()) << name;
        for (int entry = 1; entry <= kOrbLines; ++entry) EXPECT_GE(load.table.orb[entry], 0.0f) << name << entry;
        EXPECT_GT(load.table.orb[orbEntry(code::Conjunct)], 0.0f) << name;
    }
}

}  // namespace
}  // namespace helion
