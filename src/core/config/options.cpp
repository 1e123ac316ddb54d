#include "core/config/options.h"

namespace helion {

namespace {

// The entry numbers of the wheel's values: the screen's, then the printed page's.
struct EntryPair {
    int screen;
    int printer;
    int of(WheelTarget target) const { return target == WheelTarget::Screen ? screen : printer; }
};

constexpr std::array<EntryPair, 8> kFontSizes{
    {{68, 68}, {69, 79}, {70, 80}, {71, 81}, {72, 82}, {73, 83}, {74, 84}, {75, 85}}};
constexpr std::array<EntryPair, 4> kGlyphMargins{{{60, 64}, {61, 65}, {62, 66}, {63, 67}}};
// The printed page's background is always white; entry 100 is the window's alone.
constexpr std::array<EntryPair, 15> kColours{{{100, 100},
                                              {101, 115},
                                              {102, 116},
                                              {88, 103},
                                              {89, 89},
                                              {90, 90},
                                              {91, 91},
                                              {105, 105},
                                              {92, 92},
                                              {93, 93},
                                              {94, 94},
                                              {95, 95},
                                              {97, 112},
                                              {98, 113},
                                              {99, 114}}};
constexpr EntryPair kReversedDigitShrink{194, 196};
constexpr EntryPair kReversedShrinkFromSize{193, 195};
constexpr int kPrintedTripleSizes = 199;
constexpr int kPrintedTriplePlanetSize = 200;
constexpr int kPrintedTripleMinuteSize = 203;
constexpr int kPrintedSiderealTitle = 198;
constexpr int kPrintedLowerTitleLines = 191;
constexpr int kNarrowNormalRange = 28;
constexpr int kSingleWheelAspectLines = 47;
constexpr int kPrintedAspectGrid = 178;
constexpr int kFirstAspectGridEntry = 181;  // 181 to 189 in AspectGridEntry order

template <class Kind, std::size_t N>
int entryOf(const std::array<EntryPair, N>& entries, Kind kind, WheelTarget target) {
    return entries[static_cast<std::size_t>(kind)].of(target);
}

OptionsLoad loadOver(const std::filesystem::path& file, const OptionValues& previous, bool valuesInUse) {
    OptionsLoad load{{}, previous};
    static_cast<ValueTableRead&>(load) = readValueTable(file, load.values.value, "options file", valuesInUse);
    return load;
}

}  // namespace

float OptionValues::wheelFontSize(WheelText text, WheelTarget target) const {
    return value[entryOf(kFontSizes, text, target)];
}
float OptionValues::glyphMargin(GlyphMargin margin, WheelTarget target) const {
    return value[entryOf(kGlyphMargins, margin, target)];
}
int OptionValues::wheelColour(WheelColour colour, WheelTarget target) const {
    return static_cast<int>(value[entryOf(kColours, colour, target)]);
}
float OptionValues::reversedDigitShrink(WheelTarget target) const { return value[kReversedDigitShrink.of(target)]; }
float OptionValues::reversedShrinkFromSize(WheelTarget target) const {
    return value[kReversedShrinkFromSize.of(target)];
}
bool OptionValues::printedTripleSizes() const { return value[kPrintedTripleSizes] != 0; }
float OptionValues::printedTriplePlanetSize() const { return value[kPrintedTriplePlanetSize]; }
float OptionValues::printedTripleMinuteSize() const { return value[kPrintedTripleMinuteSize]; }
bool OptionValues::printedSiderealTitle() const { return value[kPrintedSiderealTitle] != 0; }
float OptionValues::printedLowerTitleLines() const { return value[kPrintedLowerTitleLines]; }
bool OptionValues::narrowNormalRange() const { return value[kNarrowNormalRange] == 1; }
bool OptionValues::singleWheelAspectLines() const { return value[kSingleWheelAspectLines] == 1; }
bool OptionValues::printedAspectGrid() const { return value[kPrintedAspectGrid] != 0; }
float OptionValues::aspectGrid(AspectGridEntry entry) const {
    return value[kFirstAspectGridEntry + static_cast<int>(entry)];
}

OptionsLoad loadOptions(const std::filesystem::path& file, const OptionValues& previous) {
    return loadOver(file, previous, true);
}

OptionsLoad loadOptions(const std::filesystem::path& file) { return loadOver(file, OptionValues{}, false); }

}  // namespace helion
