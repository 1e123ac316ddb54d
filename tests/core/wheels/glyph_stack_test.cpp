#include "core/wheels/glyph_stack.h"

#include <gtest/gtest.h>

namespace helion {
namespace {

// On the right of the wheel (houses 4 to 8) a stack is reversed so that it still reads left
// to right; the narrower normal range reverses from house 3 on, and the European wheel
// decides by the drawing angle alone.
TEST(GlyphStack, ReversedBelowTheHorizonOrByAngleOnTheEuropeanWheel) {
    const struct {
        bool european, narrow;
        int house;
        double angle;
        bool reversed;
    } rows[] = {
        {false, false, 3, 0, false},    {false, false, 4, 0, true},    {false, false, 8, 0, true},
        {false, false, 9, 0, false},    {false, true, 3, 0, true},     {false, true, 7, 0, true},
        {false, true, 8, 0, false},     {true, false, 4, 75.0, false}, {true, false, 4, 74.9, true},
        {true, false, 9, 254.9, false}, {true, true, 9, 255.0, true},
    };
    for (const auto& row : rows) {
        const PlacedBody body{Point::Sun, row.house, 0, row.angle, 200.0, true};
        EXPECT_EQ(isReversedStack(body, row.european, row.narrow), row.reversed)
            << row.european << row.narrow << " house " << row.house << " angle " << row.angle;
    }
}

}  // namespace
}  // namespace helion
