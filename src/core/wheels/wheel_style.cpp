#include "core/wheels/wheel_style.h"

#include "core/wheels/display_list.h"
#include "core/wheels/wheel_options.h"
#include "core/wheels/wheel_scale.h"

namespace helion {

WheelStyle wheelStyle(const OptionValues& options, WheelTarget target, WheelKind kind, bool monochrome) {
    const OptionValues o = wheelOptionsInRange(options);
    WheelStyle s;
    const bool screen = target == WheelTarget::Screen;
    // A printed triple wheel may use its own planet and minutes sizes.
    const bool tripleSizes = !screen && kind == WheelKind::Triple && o.printedTripleSizes();
    const auto size = [&](WheelText text) { return o.wheelFontSize(text, target); };
    const auto margin = [&](GlyphMargin m) { return o.glyphMargin(m, target); };
    const auto colour = [&](WheelColour c) { return o.wheelColour(c, target); };
    s.houseLineFactor = screen ? 0.9875 : kPrinterVerticalFactor;
    s.stackStepDivisor = screen ? 640.0 / 480.0 : 600.0 / 480.0;
    s.titleSize = size(WheelText::Title);
    s.cuspDegreeSize = size(WheelText::CuspDegrees);
    s.cuspSignSize = size(WheelText::CuspSign);
    s.cuspMinuteSize = size(WheelText::CuspMinutes);
    s.planetSize = tripleSizes ? o.printedTriplePlanetSize() : size(WheelText::Planets);
    s.degreeSize = size(WheelText::Degrees);
    s.signSize = size(WheelText::Signs);
    s.minuteSize = tripleSizes ? o.printedTripleMinuteSize() : size(WheelText::Minutes);
    s.planetWidthMargin = margin(GlyphMargin::PlanetWidth);
    s.digitWidthMargin = margin(GlyphMargin::DigitWidth);
    s.planetHeightMargin = margin(GlyphMargin::PlanetHeight);
    s.digitHeightMargin = margin(GlyphMargin::DigitHeight);
    s.reversedDigitShrink = o.reversedDigitShrink(target);
    s.reversedShrinkFromSize = o.reversedShrinkFromSize(target);
    s.shrinkOnlyNearRightHorizontal = !screen;
    // The printed page is always white.
    s.background = monochrome || !screen ? palette::White : colour(WheelColour::Background);
    s.circles = colour(WheelColour::Circles);
    s.houseLines = monochrome ? palette::Black : colour(WheelColour::HouseLines);
    s.titles = colour(WheelColour::Titles);
    s.cuspDegrees = colour(WheelColour::CuspDegrees);
    s.cuspSign = colour(WheelColour::CuspSign);
    s.cuspMinutes = colour(WheelColour::CuspMinutes);
    s.interceptedSign = colour(WheelColour::InterceptedSign);
    s.planetGlyphs = colour(WheelColour::Planets);
    s.degreeDigits = colour(WheelColour::Degrees);
    s.signGlyphs = colour(WheelColour::Signs);
    s.minuteDigits = colour(WheelColour::Minutes);
    s.sextileTrine = monochrome ? palette::Black : colour(WheelColour::SextileTrine);
    s.squareOpposition = colour(WheelColour::SquareOpposition);
    s.quincunx = colour(WheelColour::Quincunx);
    s.houseNumbers = screen || kind == WheelKind::Dual || !o.printedTripleSizes();
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
