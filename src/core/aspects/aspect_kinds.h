#pragma once
// What Helion knows of each aspect by its code: printed name, exact angle, wheel glyph
// and which orb applies to it. The code None stands for "nothing found".

#include <string_view>

namespace helion {

namespace code {
inline constexpr int None = 1, Conjunct = 2, Sextile = 3, Square = 4, Trine = 5, Opposite = 6, Parallel = 7,
                     SemiSextile = 8, SemiSquare = 9, Sesquisquare = 10, Quincunx = 11, SemiQuintile = 12, Nonagen = 13,
                     Quintile = 14, Trecile = 15, BiQuintile = 16;
inline constexpr int kFirstCode = None;
inline constexpr int kLastCode = BiQuintile;
// From the semi-quintile on, the quintiles and the nonagen: the minor aspects.
inline constexpr int kFirstMinor = SemiQuintile;
inline constexpr int kLastGlyphCode = 18;
}  // namespace code

// The 12-character printed name of an aspect code, trailing blanks included; code 1
// and codes outside 1..16 give twelve blanks.
std::string_view aspectName(int code);

// The exact angle in whole degrees; 0 for the conjunction, the parallel (measured on
// declination), code 1 and codes outside 1..16.
int aspectAngle(int code);

// The aspect's character in the wheel glyph font (159 + code for 2..18), 0 for none.
int aspectGlyph(int code);

// The entry of an orb set (OrbTable or report orbs) that holds the orb of this code.
int orbEntry(int code);

// True for the aspects measured on declination rather than ecliptic longitude.
bool isDeclinationAspect(int code);

bool isMinorAspect(int code);

}  // namespace helion
