#pragma once
// The sizes, colours and factors a wheel is drawn with. Screen and printer read different
// option entries for them; everything else about a wheel is the same on both.

#include "core/wheels/wheel_input.h"

namespace helion {

struct WheelStyle {
    double houseLineFactor = 0.9875;          // vertical factor of house lines
    double stackStepDivisor = 640.0 / 480.0;  // glyph stacks step by cell height / this
    // Font sizes.
    double titleSize = 0, cuspDegreeSize = 0, cuspSignSize = 0, cuspMinuteSize = 0;
    double planetSize = 0, degreeSize = 0, signSize = 0, minuteSize = 0;
    // Margins added to measured glyph sizes.
    double planetWidthMargin = 0, digitWidthMargin = 0, planetHeightMargin = 0, digitHeightMargin = 0;
    // Digit cells of reversed stacks shrink by `reversedDigitShrink` when the minutes are
    // at least `reversedShrinkFromSize`; on paper only near the horizontal on the right.
    double reversedDigitShrink = 0, reversedShrinkFromSize = 0;
    bool shrinkOnlyNearRightHorizontal = false;
    // Colours.
    int background = 15, circles = 0, houseLines = 8, titles = 0;
    int cuspDegrees = 0, cuspSign = 4, cuspMinutes = 8, interceptedSign = 5;
    int planetGlyphs = 1, degreeDigits = 0, signGlyphs = 4, minuteDigits = 8;
    int sextileTrine = 1, squareOpposition = 4, quincunx = 2;
    bool houseNumbers = true;  // on dual and triple wheels
    double titleLeftInset = 10;
};

WheelStyle wheelStyle(const OptionValues& options, WheelTarget target, WheelKind kind, bool monochrome);

// The style with every font size multiplied by `factor`.
WheelStyle withTextScaled(WheelStyle style, double factor);

}  // namespace helion
