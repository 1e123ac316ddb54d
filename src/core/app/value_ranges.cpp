#include "core/app/value_ranges.h"

#include <array>
#include <charconv>
#include <cmath>
#include <string>

namespace helion {
namespace {

constexpr float kWholeNumberLimit = 32767.0f;  // the largest 16-bit line count

// Two points are never more than 180 degrees apart, so a larger orb means the same as
// 180 and a negative one finds nothing, not even an exact aspect.
constexpr const char* kOrbUse = "an orb is 0 to 180 degrees";

constexpr std::array kOptionRanges{
    ValueRange{1, 15, 0.0f, 180.0f, "the orbs of the natal report are 0 to 180 degrees"},
    ValueRange{18, 18, -13.0f, 12.0f, "the input window refuses a default time zone outside -13 to 12 hours"},
    ValueRange{19, 19, 0.0f, 180.0f, "the default longitude is 0 to 180 degrees"},
    ValueRange{20, 20, 0.0f, 59.0f, "the default longitude minutes are 0 to 59"},
    ValueRange{22, 22, 0.0f, 90.0f, "the default latitude is 0 to 90 degrees"},
    ValueRange{23, 23, 0.0f, 59.0f, "the default latitude minutes are 0 to 59"},
    ValueRange{25, 25, 0.0f, 180.0f, "the lunation orb is 0 to 180 degrees"},
    ValueRange{30, 30, 1.0f, kWholeNumberLimit, "the print window's page length is at least 1 line"},
    ValueRange{45, 45, 2.0f, kWholeNumberLimit,
               "the page length of saved files is at least 2 lines: a form feed follows every length - 1 lines"},
    ValueRange{117, 117, 1.0f, kWholeNumberLimit, "the print window's line width is at least 1 character"},
};

constexpr std::array kOrbRanges{ValueRange{1, 17, 0.0f, 180.0f, kOrbUse}};

std::string numberText(float value) {
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, value).ptr;
    return std::string(text, end);
}

}  // namespace

std::span<const ValueRange> optionRanges() { return kOptionRanges; }
std::span<const ValueRange> orbRanges() { return kOrbRanges; }

std::vector<LineProblem> valuesOutsideRanges(std::span<const float> values, std::span<const ValueRange> ranges) {
    std::vector<LineProblem> problems;
    for (const ValueRange& range : ranges) {
        for (int entry = range.firstEntry; entry <= range.lastEntry; ++entry) {
            if (static_cast<std::size_t>(entry) > values.size()) break;
            const float value = values[static_cast<std::size_t>(entry) - 1];
            if (!std::isfinite(value) || range.holds(value)) continue;
            problems.push_back({entry, "the value " + numberText(value) + " is out of range: " + range.use});
        }
    }
    return problems;
}

}  // namespace helion
