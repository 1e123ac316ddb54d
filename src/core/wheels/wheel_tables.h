#pragma once
// The wheel data tables as the wheels use them: what a table must hold to be drawn with,
// and the shipped tables that stand in for a file that is missing, short or wrong.

#include <filesystem>
#include <string_view>
#include <vector>

#include "core/base/message.h"
#include "core/config/wheel_data_tables.h"

namespace helion {

enum class WheelTable { CuspLabels, GlyphRadii };

std::string_view wheelTableFile(WheelTable table);

// Each fault of a read table at its line: the reader's own, a missing file, too few
// values, and every value that puts a label or a glyph stack outside the frame that every
// window and the printed page show.
std::vector<LineProblem> wheelTableProblems(WheelTable table, const IntegerTableRead& read);

// The table the program ships, from its design at the shipped option values.
std::vector<std::int16_t> shippedWheelTable(WheelTable table);

struct WheelTablesLoad {
    WheelDataTables tables;
    std::vector<Message> messages;  // a "Warning!" naming each table the shipped one stands in for
};

WheelTablesLoad loadWheelTables(const std::filesystem::path& programFolder);

}  // namespace helion
