#include "core/wheels/nominal_glyph_sizes.h"

#include "core/wheels/wheel_scale.h"

namespace helion {
namespace {

constexpr int kFrameWidthPixels = 16;   // two borders
constexpr int kFrameHeightPixels = 62;  // caption, menu bar and borders
constexpr double kTwipsPerPoint = 20.0;

}  // namespace

const std::array<StartupWindow, 5> kStartupWindows{{
    {8490, 7200, 15},
    {8400, 7200, 12},
    {10725, 8940, 15},
    {14050, 11505, 15},
    {10970, 9204, 12},
}};

const StartupWindow& startupWindowFor(int screenWidthPixels, int twipsPerPixel) {
    if (screenWidthPixels <= 640) return kStartupWindows[0];
    if (screenWidthPixels <= 800) return kStartupWindows[twipsPerPixel == 12 ? 1 : 2];
    return kStartupWindows[twipsPerPixel == 15 ? 3 : 4];
}

int StartupWindow::innerWidth() const { return widthTwips / twipsPerPixel - kFrameWidthPixels; }
int StartupWindow::innerHeight() const { return heightTwips / twipsPerPixel - kFrameHeightPixels; }

double StartupWindow::unitsPerPoint() const {
    const double unitsPerPixel = 2.0 * resizedStartScale(innerWidth(), innerHeight()) / innerWidth();
    return unitsPerPixel * kTwipsPerPoint / twipsPerPixel;
}

GlyphSizes nominalGlyphSizes(const WheelStyle& style, double unitsPerPoint) {
    const auto box = [unitsPerPoint](double size, double width) {
        return TextBox{size * width * unitsPerPoint, size * kCellHeight * unitsPerPoint};
    };
    GlyphSizes g;
    g.planet = box(style.planetSize, kGlyphCellWidth);
    g.degreeDigit = box(style.degreeSize, kDigitCellWidth);
    g.sign = box(style.signSize, kGlyphCellWidth);
    g.minuteDigit = box(style.minuteSize, kDigitCellWidth);
    g.cuspDigit = box(style.cuspDegreeSize, kDigitCellWidth);
    g.cuspSign = box(style.cuspSignSize, kGlyphCellWidth);
    g.cuspMinuteDigit = box(style.cuspMinuteSize, kDigitCellWidth);
    g.titleLine = style.titleSize * kCellHeight * unitsPerPoint;
    return g;
}

}  // namespace helion
