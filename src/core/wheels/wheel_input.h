#pragma once
// Everything a wheel drawing is computed from, as plain values: the charts on its rings,
// the natal ring's cusps, the title blocks, the drawing options, the two wheel data
// tables and the glyph sizes the window measured in its font.

#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "core/chart/chart_tables.h"
#include "core/config/options.h"

namespace helion {

enum class WheelKind { Single = 0, Dual = 1, Triple = 2 };
enum class ChartType { American = 0, European = 1 };
// Classic: glyph stacks in the fixed slots of their house. Spread: each stack as near its
// body's exact place as its neighbours allow, with a pointer to that place.
enum class WheelLayout { Classic = 0, Spread = 1 };

// The ring numbers of glyph placement: 1 the natal (outer) ring, 0 the second chart of a
// dual wheel or the inner ring of a triple wheel, 2 the middle ring of a triple wheel.
namespace ring {
inline constexpr int Natal = 1;
inline constexpr int Inner = 0;
inline constexpr int Middle = 2;
}  // namespace ring

// One chart as a ring shows it: the longitude of each point and its house (1..12) among
// the natal ring's cusps; house 0 for a point in no house.
struct RingChart {
    PointTable longitude{};
    PointHouses house{};
};

struct TitleBlocks {
    std::array<std::string, 7> natal;
    std::array<std::string, 7> diurnal;
};

// A text size measured in the glyph font, in wheel units.
struct TextBox {
    double width = 0.0;
    double height = 0.0;
};

// Raw sizes measured by the window at the font sizes the target uses; the option margins
// are added by the geometry.
struct GlyphSizes {
    TextBox planet;           // the Jupiter glyph (228) at the planet glyph size
    TextBox degreeDigit;      // "0" at the degree digit size
    TextBox sign;             // a sign glyph at the stack's sign size
    TextBox minuteDigit;      // "0" at the minutes size
    TextBox cuspDigit;        // "0" at the cusp degree size
    TextBox cuspSign;         // a sign glyph at the cusp sign size
    TextBox cuspMinuteDigit;  // "0" at the cusp minutes size
    double titleLine = 0;     // the height of one title line
};

struct WheelInput {
    WheelKind kind = WheelKind::Single;
    ChartType chartType = ChartType::American;
    WheelTarget target = WheelTarget::Screen;
    WheelLayout layout = WheelLayout::Classic;
    bool monochrome = false;  // the half-page print: black on white
    double textScale = 1.0;   // every font size times this (a window larger than at start-up)
    // Ring 1 and the cusps it is drawn with; ring 0 and ring 2 as the kind needs them.
    RingChart natal;
    RingChart second;                                 // ring 0 of a dual wheel, ring 2 (middle) of a triple wheel
    RingChart third;                                  // ring 0 (inner) of a triple wheel
    CuspTable cusp{};                                 // entry 1 the 10th house .. entry 4 the 1st .. entry 12 the 9th
    HouseSystem houseSystem = HouseSystem::Placidus;  // the system of `cusp`
    TitleBlocks titles;
    OptionValues options;
    std::int16_t startScale = 287;
    int widthPixels = 1024;  // the window's inner size, or the page's printable area
    int heightPixels = 768;
    std::span<const std::int16_t> cuspLabelTable;    // HCDATA.DAT, empty when missing
    std::span<const std::int16_t> glyphRadiusTable;  // RADIUS.DAT, empty when missing
    GlyphSizes glyphs;
};

}  // namespace helion
