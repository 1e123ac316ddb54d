#pragma once
// What Helion knows of each aspect: printed name, exact angle, wheel glyph and whether it
// is measured on declination or counts as minor.

#include <string_view>

#include "core/config/aspect_orbs.h"

namespace helion {

// The 12-character printed name of an aspect, trailing blanks included.
std::string_view aspectName(Aspect aspect);

// The exact angle in whole degrees; 0 for the conjunction and the parallels (measured on
// declination).
int aspectAngle(Aspect aspect);

// The aspect's character in the wheel glyph font.
int aspectGlyph(Aspect aspect);

// True for the aspects measured on declination rather than ecliptic longitude.
bool isDeclinationAspect(Aspect aspect);

// The semi-quintile, nonagen, quintile, trecile and biquintile.
bool isMinorAspect(Aspect aspect);

}  // namespace helion
