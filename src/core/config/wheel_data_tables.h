#pragma once
// The two integer tables the wheels read from the program folder: HCDATA.DAT, the
// positions of the cusp labels (121 values), and RADIUS.DAT, the start radius of a glyph
// stack for each whole degree of glyph angle on the natal ring (361 values). Values are
// separated by commas or line breaks.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

#include "core/base/line_problem.h"

namespace helion {

inline constexpr std::string_view kCuspLabelFile = "HCDATA.DAT";
inline constexpr std::size_t kCuspLabelEntries = 121;
inline constexpr std::string_view kGlyphRadiusFile = "RADIUS.DAT";
inline constexpr std::size_t kGlyphRadiusEntries = 361;
// Written one value per line, the larger table takes about 2 KB; a file far larger than
// that is something else and is not read into memory at all.
inline constexpr std::uintmax_t kLargestTableFile = 64 * 1024;

struct IntegerTableRead {
    std::vector<std::int16_t> values;  // in file order, at most the table's entries
    std::vector<int> lines;            // the line each value stands on
    std::optional<LineProblem> fault;  // why the rest of the file is not read; line 0 for the whole file
    bool missing = false;
};

IntegerTableRead parseIntegerTable(std::string_view text, std::size_t entries);
IntegerTableRead readIntegerTable(const std::filesystem::path& file, std::size_t entries);

// The tables the wheels are drawn with; without a table a wheel places its labels and
// glyphs by its own rules.
struct WheelDataTables {
    std::vector<std::int16_t> cuspLabels;
    std::vector<std::int16_t> glyphRadii;
};

}  // namespace helion
