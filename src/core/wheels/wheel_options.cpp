#include "core/wheels/wheel_options.h"

#include <array>
#include <utility>

namespace helion {
namespace {

constexpr const char* kSwitch = "this switch is 0 (off) or 1 (on)";
constexpr const char* kNotZeroSwitch = "this switch is 0 (off) or any other number from -32768 to 32767 (on)";
constexpr const char* kFontSize = "a wheel font size is 1 to 72 points; larger glyphs do not fit beside the wheel";
constexpr const char* kGridGlyphSize = "a grid glyph size is 0 (the planet size) to 72 points";
constexpr const char* kColour = "a colour is one of the 16 colour numbers 0 to 15";
constexpr const char* kShrinkFrom = "the minutes size from which digit cells shrink is 0 to 72 points";
constexpr const char* kShrink = "a digit cell shrinks by 0 to 10 wheel units";

constexpr std::array kRanges{
    ValueRange{28, 28, 0.0f, 1.0f, kSwitch},
    ValueRange{47, 47, 0.0f, 1.0f, kSwitch},
    ValueRange{60, 67, -5.0f, 10.0f, "a glyph cell margin is -5 to 10 wheel units; a glyph cell is about 12"},
    ValueRange{68, 75, 1.0f, 72.0f, kFontSize},
    ValueRange{79, 85, 1.0f, 72.0f, kFontSize},
    ValueRange{88, 105, 0.0f, 15.0f, kColour},
    ValueRange{112, 116, 0.0f, 15.0f, kColour},
    ValueRange{178, 178, -32768.0f, 32767.0f, kNotZeroSwitch},
    ValueRange{181, 182, -400.0f, 400.0f, "the aspect grid's corner is 0 (placed for it) or on the page, -400 to 400"},
    ValueRange{183, 183, 0.0f, 30.0f,
               "the aspect grid's cell is 0 (13 units) to 30 units; a larger grid leaves the page"},
    ValueRange{184, 185, 0.0f, 72.0f, kGridGlyphSize},
    ValueRange{186, 188, 0.0f, 15.0f, kColour},
    ValueRange{189, 189, 0.0f, 100.0f, "the aspect grid's margin is 0 (6 units) to 100 units"},
    ValueRange{191, 191, 0.0f, 30.0f, "the lower title block starts 0 to 30 title lines below the middle of the page"},
    ValueRange{193, 193, 0.0f, 72.0f, kShrinkFrom},
    ValueRange{194, 194, 0.0f, 10.0f, kShrink},
    ValueRange{195, 195, 0.0f, 72.0f, kShrinkFrom},
    ValueRange{196, 196, 0.0f, 10.0f, kShrink},
    ValueRange{198, 199, -32768.0f, 32767.0f, kNotZeroSwitch},
    ValueRange{200, 200, 1.0f, 72.0f, kFontSize},
    ValueRange{203, 203, 1.0f, 72.0f, kFontSize},
    ValueRange{216, 216, -32768.0f, 32767.0f, kNotZeroSwitch},
};

// The shipped values that are not 0, as OPTIONS.MAS gives them.
constexpr std::array<std::pair<int, float>, 40> kShippedValues{{
    {47, 1},  {60, -0.4f}, {61, 1},  {62, -0.5f}, {68, 9},  {69, 8},  {70, 9},  {71, 7},   {72, 11},  {73, 8},
    {74, 9},  {75, 7},     {79, 9},  {80, 11},    {81, 7},  {82, 14}, {83, 9},  {84, 11},  {85, 7},   {90, 4},
    {91, 8},  {92, 1},     {94, 4},  {95, 8},     {97, 1},  {98, 4},  {99, 2},  {100, 15}, {102, 8},  {105, 5},
    {112, 1}, {113, 4},    {114, 2}, {191, 20},   {193, 8}, {194, 2}, {195, 8}, {196, 2},  {200, 12}, {203, 6},
}};

}  // namespace

std::span<const ValueRange> wheelOptionRanges() { return kRanges; }

OptionValues shippedWheelOptions() {
    OptionValues shipped;
    for (const auto& [entry, value] : kShippedValues) shipped.value[static_cast<std::size_t>(entry)] = value;
    return shipped;
}

OptionValues wheelOptionsInRange(const OptionValues& options) {
    const OptionValues shipped = shippedWheelOptions();
    OptionValues result = options;
    for (const ValueRange& range : kRanges) {
        for (int entry = range.firstEntry; entry <= range.lastEntry; ++entry) {
            const auto at = static_cast<std::size_t>(entry);
            if (!range.holds(result.value[at])) result.value[at] = shipped.value[at];
        }
    }
    return result;
}

}  // namespace helion
