#include "core/aspects/aspect_kinds.h"

#include <gtest/gtest.h>

namespace helion {
namespace {

// Codes from files and grids may lie outside the kinds: they read as no aspect, never
// past the tables. The glyphs reach two codes further, to the declination aspects' marks.
TEST(AspectKinds, CodesOutsideTheKindsAreSafe) {
    for (const int outside : {-3, 0, code::kLastCode + 1, 99}) {
        EXPECT_EQ(aspectName(outside), "            ") << outside;
        EXPECT_EQ(aspectAngle(outside), 0) << outside;
    }
    for (const int glyphless : {-3, code::None, code::kLastGlyphCode + 1}) EXPECT_EQ(aspectGlyph(glyphless), 0);
}

}  // namespace
}  // namespace helion
