#include <gtest/gtest.h>

#include "core/wheels/wheel_scale.h"

namespace helion {
namespace {

// Every paper shows at least the scale either side of the centre and 1.25 times it above
// and below; the rest of the paper goes along its longer side, one unit across the
// vertical factor's share of one unit up, with the centre in the same place.
TEST(PrinterFrame, FitsTheMinimumOnEveryPaperAndFillsItWithoutStretching) {
    const struct {
        const char* paper;
        double width, height;       // printable area, device pixels
        bool tallerThanTheMinimum;  // else wider: the height is the minimum
    } rows[] = {{"Letter", 612, 792, true}, {"A4 landscape", 842, 595, false}, {"no page size", 0, 0, false}};
    const double scale = 265.0;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.paper);
        const WheelFrame f = printerFrame(scale, row.width, row.height);
        const double across = f.right - f.left, up = f.top - f.bottom;
        EXPECT_GE(across, 2 * scale - 1e-9);
        EXPECT_GE(up, 2.5 * scale - 1e-9);
        EXPECT_NEAR(row.tallerThanTheMinimum ? across : up, row.tallerThanTheMinimum ? 2 * scale : 2.5 * scale, 1e-9);
        const double tallness = row.width > 0 ? row.height / row.width * kPrinterVerticalFactor : 1.25;
        EXPECT_NEAR(up / across, tallness, 1e-9);
        EXPECT_DOUBLE_EQ((f.left + f.right) / 2, 16.0);
        EXPECT_DOUBLE_EQ((f.top + f.bottom) / 2, -67.0);
    }
}

}  // namespace
}  // namespace helion
