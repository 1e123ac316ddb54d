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

#include "core/base/message.h"

namespace helion {

inline constexpr std::string_view kCuspLabelFile = "HCDATA.DAT";
inline constexpr std::size_t kCuspLabelEntries = 121;
inline constexpr std::string_view kGlyphRadiusFile = "RADIUS.DAT";
inline constexpr std::size_t kGlyphRadiusEntries = 361;

struct IntegerTableRead {
    // `entries` values, those the file does not give left 0; nothing when the file is
    // missing or cannot be used.
    std::optional<std::vector<std::int16_t>> values;
    std::optional<Message> warning;  // the file exists but cannot be used
    std::size_t valuesRead = 0;      // the values the file gave
};

IntegerTableRead parseIntegerTable(std::string_view text, std::string_view fileName, std::size_t entries);

// A missing file is no warning: the wheels go without the table.
IntegerTableRead readIntegerTable(const std::filesystem::path& programFolder, std::string_view fileName,
                                  std::size_t entries);

struct WheelDataTables {
    std::optional<std::vector<std::int16_t>> cuspLabels;
    std::optional<std::vector<std::int16_t>> glyphRadii;
};

}  // namespace helion
