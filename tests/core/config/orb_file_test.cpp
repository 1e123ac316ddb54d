#include "core/config/orb_file.h"

#include <gtest/gtest.h>

#include "core/aspects/aspect_kinds.h"

namespace helion {
namespace {

OrbTable filled(float value) {
    OrbTable t;
    t.orb.fill(value);
    return t;
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
