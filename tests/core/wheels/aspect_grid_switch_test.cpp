#include <gtest/gtest.h>

#include "core/wheels/aspect_grid.h"
#include "core/wheels/wheel_drawing.h"

namespace helion {
namespace {

// Option entry 178 switches the grid on a printed page (any value but 0); a triple wheel
// leaves it no room.
TEST(PrintedAspectGrid, EntrySwitchesItOnBesideASingleOrDualWheel) {
    const struct {
        float entry178;
        WheelKind kind;
        bool drawn;
    } rows[] = {
        {0, WheelKind::Single, false}, {1, WheelKind::Single, true},  {1, WheelKind::Dual, true},
        {0, WheelKind::Dual, false},   {1, WheelKind::Triple, false}, {-1, WheelKind::Single, true},
    };
    for (const auto& row : rows) {
        OptionValues options{};
        options.value[178] = row.entry178;
        WheelDrawing page;
        page.kind = row.kind;
        page.frame = {-249, 264.25, 281, -398.25};
        appendPrintedAspectGrid(page, options, AspectListInput{});
        EXPECT_EQ(printedPageHasAspectGrid(options, row.kind), row.drawn) << row.entry178;
        EXPECT_EQ(page.primitives.empty(), !row.drawn) << row.entry178;
    }
}

}  // namespace
}  // namespace helion
