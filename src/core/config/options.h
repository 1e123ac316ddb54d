#pragma once
// The numeric options of OPTIONS.OPT: report orbs, switches, the default place,
// page lengths and the drawing settings of the wheels. Line k of the file gives
// entry k; entry 0 is never used.

#include <array>
#include <cstddef>
#include <filesystem>
#include <string_view>
#include <vector>

#include "core/config/value_lines.h"

namespace helion {

inline constexpr int kOptionEntries = 222;
inline constexpr std::string_view kOptionsFile = "OPTIONS.OPT";
inline constexpr std::string_view kOptionsMasterFile = "OPTIONS.MAS";

// Entries with a fixed meaning outside the wheel drawing.
namespace option {
inline constexpr int MinorAspects = 16;  // 1 = the natal grid also tests codes 12..16
inline constexpr int DefaultZone = 18;
inline constexpr int DefaultLongitudeDegrees = 19;
inline constexpr int DefaultLongitudeMinutes = 20;
inline constexpr int DefaultLongitudeEast = 21;  // 0 = west
inline constexpr int DefaultLatitudeDegrees = 22;
inline constexpr int DefaultLatitudeMinutes = 23;
inline constexpr int DefaultLatitudeSouth = 24;  // 0 = north
inline constexpr int LunationOrb = 25;
inline constexpr int HouseSystem = 27;
inline constexpr int PrintPageLength = 30;
inline constexpr int SavedPageLength = 45;
inline constexpr int PrintLineWidth = 117;
inline constexpr int ClearAfterNatalReport = 211;
inline constexpr int SecondChartOutside = 216;
}  // namespace option

// Where a wheel is drawn: the window, or the printed page with sizes and colours of its own.
enum class WheelTarget { Screen, Printer };
// The wheel's texts, each with a font size in points.
enum class WheelText { Title, CuspDegrees, CuspSign, CuspMinutes, Planets, Degrees, Signs, Minutes };
// The room added around a glyph's cell, in wheel units.
enum class GlyphMargin { PlanetWidth, DigitWidth, PlanetHeight, DigitHeight };
// The wheel's colours, each one of the 16 colour numbers.
enum class WheelColour {
    Background,
    Circles,
    HouseLines,
    Titles,
    CuspDegrees,
    CuspSign,
    CuspMinutes,
    InterceptedSign,
    Planets,
    Degrees,
    Signs,
    Minutes,
    SextileTrine,
    SquareOpposition,
    Quincunx
};
// The printed aspect grid's entries; 0 leaves each to the grid's own choice.
enum class AspectGridEntry {
    CornerX,
    CornerY,
    Cell,
    PlanetSize,
    AspectSize,
    LineColour,
    PlanetColour,
    AspectColour,
    PageMargin
};

struct OptionValues {
    std::array<float, kOptionEntries + 1> value{};
    float operator[](int entry) const { return value[entry]; }

    float wheelFontSize(WheelText text, WheelTarget target) const;
    float glyphMargin(GlyphMargin margin, WheelTarget target) const;
    int wheelColour(WheelColour colour, WheelTarget target) const;
    // Reversed minutes digits shrink their cells by `reversedDigitShrink` units once the
    // minutes size reaches `reversedShrinkFromSize`.
    float reversedDigitShrink(WheelTarget target) const;
    float reversedShrinkFromSize(WheelTarget target) const;
    // A printed triple wheel with planet and minutes sizes of its own and no house numbers.
    bool printedTripleSizes() const;
    float printedTriplePlanetSize() const;
    float printedTripleMinuteSize() const;
    bool printedSiderealTitle() const;
    // How many title lines below the middle of the page the printed lower title block starts.
    float printedLowerTitleLines() const;
    bool narrowNormalRange() const;
    bool singleWheelAspectLines() const;
    bool printedAspectGrid() const;
    float aspectGrid(AspectGridEntry entry) const;
};

struct OptionsLoad : ValueTableRead {
    OptionValues values;  // the previous values where the file gave none or failed
};

// Reads an options file over the previous values: entries for which the file has no
// line keep theirs, and a file that cannot be used changes nothing.
// A message that the file cannot be used adds that the values in use are kept.
OptionsLoad loadOptions(const std::filesystem::path& file, const OptionValues& previous);
// Reads an options file where no values are in use yet (the command line, the data check).
OptionsLoad loadOptions(const std::filesystem::path& file);

}  // namespace helion
