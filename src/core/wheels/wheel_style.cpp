#include "core/wheels/wheel_style.h"

#include "core/wheels/wheel_options.h"
#include "core/wheels/wheel_scale.h"

namespace helion {
namespace {

constexpr int kWhite = 15;
constexpr int kBlack = 0;

int colourOf(const OptionValues& options, int entry) { return static_cast<int>(options[entry]); }

}  // namespace

WheelStyle wheelStyle(const OptionValues& options, WheelTarget target, WheelKind kind, bool monochrome) {
    const OptionValues o = wheelOptionsInRange(options);
    WheelStyle s;
    const bool screen = target == WheelTarget::Screen;
    // A printed triple wheel may use its own planet and minutes sizes.
    const bool tripleSizes = !screen && kind == WheelKind::Triple && o[199] != 0;
    s.houseLineFactor = screen ? 0.9875 : kPrinterVerticalFactor;
    s.stackStepDivisor = screen ? 640.0 / 480.0 : 600.0 / 480.0;
    s.titleSize = o[68];
    s.cuspDegreeSize = o[screen ? 69 : 79];
    s.cuspSignSize = o[screen ? 70 : 80];
    s.cuspMinuteSize = o[screen ? 71 : 81];
    s.planetSize = o[screen ? 72 : (tripleSizes ? 200 : 82)];
    s.degreeSize = o[screen ? 73 : 83];
    s.signSize = o[screen ? 74 : 84];
    s.minuteSize = o[screen ? 75 : (tripleSizes ? 203 : 85)];
    s.planetWidthMargin = o[screen ? 60 : 64];
    s.digitWidthMargin = o[screen ? 61 : 65];
    s.planetHeightMargin = o[screen ? 62 : 66];
    s.digitHeightMargin = o[screen ? 63 : 67];
    s.reversedDigitShrink = o[screen ? 194 : 196];
    s.reversedShrinkFromSize = o[screen ? 193 : 195];
    s.shrinkOnlyNearRightHorizontal = !screen;
    s.background = monochrome ? kWhite : (screen ? colourOf(o, 100) : kWhite);
    s.circles = colourOf(o, screen ? 101 : 115);
    s.houseLines = monochrome ? kBlack : colourOf(o, screen ? 102 : 116);
    s.titles = colourOf(o, screen ? 88 : 103);
    s.cuspDegrees = colourOf(o, 89);
    s.cuspSign = colourOf(o, 90);
    s.cuspMinutes = colourOf(o, 91);
    s.interceptedSign = colourOf(o, 105);
    s.planetGlyphs = colourOf(o, 92);
    s.degreeDigits = colourOf(o, 93);
    s.signGlyphs = colourOf(o, 94);
    s.minuteDigits = colourOf(o, 95);
    s.sextileTrine = monochrome ? kBlack : colourOf(o, screen ? 97 : 112);
    s.squareOpposition = colourOf(o, screen ? 98 : 113);
    s.quincunx = colourOf(o, screen ? 99 : 114);
    s.houseNumbers = screen || kind == WheelKind::Dual || o[199] == 0;
    s.titleLeftInset = screen ? 10 : 30;
    return s;
}

WheelStyle withTextScaled(WheelStyle style, double factor) {
    for (double* size : {&style.titleSize, &style.cuspDegreeSize, &style.cuspSignSize, &style.cuspMinuteSize,
                         &style.planetSize, &style.degreeSize, &style.signSize, &style.minuteSize})
        *size *= factor;
    return style;
}

}  // namespace helion
