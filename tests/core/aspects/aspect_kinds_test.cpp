#include "core/aspects/aspect_kinds.h"

#include <gtest/gtest.h>

namespace helion {
namespace {

TEST(AspectKinds, CodesOutsideTheKindsAreSafe) {
    EXPECT_EQ(orbEntry(code::Parallel), 6);
    EXPECT_EQ(aspectName(0), "            ");
    EXPECT_EQ(aspectName(99), "            ");
    EXPECT_EQ(aspectAngle(-3), 0);
    EXPECT_EQ(aspectGlyph(17), 176);
    EXPECT_EQ(aspectGlyph(18), 177);
    EXPECT_EQ(aspectGlyph(19), 0);
}

TEST(AspectKinds, MinorAspectAngles) {
    const std::pair<int, int> angles[] = {{code::SemiQuintile, 36},
                                          {code::Nonagen, 40},
                                          {code::Quintile, 72},
                                          {code::Trecile, 108},
                                          {code::BiQuintile, 144}};
    for (const auto& [c, angle] : angles) EXPECT_EQ(aspectAngle(c), angle) << aspectName(c);
}

TEST(AspectKinds, MinorAspectsAreTheQuintileFamilyAndNonagen) {
    for (int c = code::None; c <= code::BiQuintile; ++c) EXPECT_EQ(isMinorAspect(c), c >= code::SemiQuintile) << c;
    EXPECT_TRUE(isDeclinationAspect(code::Parallel));
    EXPECT_FALSE(isDeclinationAspect(code::Conjunct));
}

}  // namespace
}  // namespace helion
