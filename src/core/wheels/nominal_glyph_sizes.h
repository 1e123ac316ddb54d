#pragma once
// Glyph sizes without a font at hand: the window sizes chosen at start-up for each screen
// and the proportions of the glyph font's cells. They serve the wheel data tables' design
// and any drawing made without a window to measure in.

#include <array>

#include "core/wheels/wheel_input.h"
#include "core/wheels/wheel_style.h"

namespace helion {

// A start-up window size for one kind of screen.
struct StartupWindow {
    int widthTwips = 0;
    int heightTwips = 0;
    int twipsPerPixel = 15;
    // The drawing area: the window less its caption, menu bar and borders, in pixels.
    int innerWidth() const;
    int innerHeight() const;
    // Wheel units per typographic point at the window's resize scale.
    double unitsPerPoint() const;
};

// 640x480, 800x600 (two pixel densities) and 1024x768 (two pixel densities).
extern const std::array<StartupWindow, 5> kStartupWindows;

// The start-up window for a screen of this width in pixels and pixel density.
const StartupWindow& startupWindowFor(int screenWidthPixels, int twipsPerPixel);

// The glyph font's cells as fractions of the font size: every wheel glyph has one advance,
// the digits are narrower, all share one line height (ascent 0.87 and descent 0.2).
inline constexpr double kGlyphCellWidth = 0.85;
inline constexpr double kDigitCellWidth = 0.572;
inline constexpr double kCellHeight = 1.07;

GlyphSizes nominalGlyphSizes(const WheelStyle& style, double unitsPerPoint);

}  // namespace helion
