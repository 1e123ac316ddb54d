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

}  // namespace
}  // namespace helion
