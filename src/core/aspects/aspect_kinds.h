#pragma once
// The sixteen aspect kinds: their printed names, exact angles, glyph characters and the
// place of their orb in an orb set. Code 1 means "no aspect".

#include <string_view>

namespace helion {

namespace code {
inline constexpr int None = 1, Conjunct = 2, Sextile = 3, Square = 4, Trine = 5, Opposite = 6, Parallel = 7,
                     SemiSextile = 8, SemiSquare = 9, Sesquisquare = 10, Quincunx = 11, SemiQuintile = 12, Nonagen = 13,
                     Quintile = 14, Trecile = 15, BiQuintile = 16;
inline constexpr int kFirstCode = None;
inline constexpr int kLastCode = BiQuintile;
// Codes 12..16 (quintile family and nonagen) are the minor aspects.
inline constexpr int kFirstMinor = SemiQuintile;
inline constexpr int kLastGlyphCode = 18;
}  // namespace code

// The 12-character printed name of an aspect code, trailing blanks included; code 1
// and codes outside 1..16 give twelve blanks.
std::string_view aspectName(int code);

// The exact angle in whole degrees; 0 for the conjunction, the parallel (measured on
// declination), code 1 and codes outside 1..16.
int aspectAngle(int code);

// The character code of the aspect in the astrological glyph font: 159 + code for
// codes 2..18, 0 otherwise.
int aspectGlyph(int code);

// The entry of an orb set (OrbTable or report orbs) that holds the orb of this code.
int orbEntry(int code);

// True for the aspects measured on declination rather than ecliptic longitude.
bool isDeclinationAspect(int code);

bool isMinorAspect(int code);

}  // namespace helion
