#include "core/wheels/wheel_tables.h"

#include <string>

#include "core/wheels/wheel_options.h"
#include "core/wheels/wheel_table_design.h"

namespace helion {
namespace {

// Every window shows at least 225 units on each side of the wheel's centre (a landscape
// window 225 above and below, a portrait one 244 left and right), and so does the
// printed page.
constexpr int kFrameReach = 225;

struct TableRule {
    std::string_view file;
    std::size_t entries;
    int low;
    int high;
    const char* use;
};

TableRule ruleOf(WheelTable table) {
    if (table == WheelTable::CuspLabels)
        return {kCuspLabelFile, kCuspLabelEntries, -kFrameReach, kFrameReach,
                "a label's corner lies at most 225 units from the centre, inside every window"};
    return {kGlyphRadiusFile, kGlyphRadiusEntries, 0, kFrameReach,
            "a glyph stack starts 0 to 225 units from the centre, inside every window"};
}

std::string described(const LineProblem& problem) {
    return problem.line > 0 ? "on line " + std::to_string(problem.line) + ": " + problem.text : problem.text;
}

}  // namespace

std::string_view wheelTableFile(WheelTable table) { return ruleOf(table).file; }

std::vector<LineProblem> wheelTableProblems(WheelTable table, const IntegerTableRead& read) {
    const TableRule rule = ruleOf(table);
    if (read.missing) return {{0, "the file is missing"}};
    std::vector<LineProblem> problems;
    for (std::size_t i = 0; i < read.values.size(); ++i) {
        const int value = read.values[i];
        if (value < rule.low || value > rule.high)
            problems.push_back({read.lines[i], "the value " + std::to_string(value) + " is outside " +
                                                   std::to_string(rule.low) + " to " + std::to_string(rule.high) +
                                                   ": " + rule.use});
    }
    if (read.fault)
        problems.push_back(*read.fault);
    else if (read.values.size() < rule.entries)
        problems.push_back({0, "holds " + std::to_string(read.values.size()) + " values, " +
                                   std::to_string(rule.entries) + " expected"});
    return problems;
}

std::vector<std::int16_t> shippedWheelTable(WheelTable table) {
    const DesignCells cells = largestStartupCells(shippedWheelOptions());
    return table == WheelTable::CuspLabels ? designCuspLabels(cells.label) : designGlyphRadii(cells.planet);
}

WheelTablesLoad loadWheelTables(const std::filesystem::path& programFolder) {
    WheelTablesLoad load;
    for (const WheelTable table : {WheelTable::CuspLabels, WheelTable::GlyphRadii}) {
        const TableRule rule = ruleOf(table);
        IntegerTableRead read = readIntegerTable(programFolder / rule.file, rule.entries);
        const auto problems = wheelTableProblems(table, read);
        auto& values = table == WheelTable::CuspLabels ? load.tables.cuspLabels : load.tables.glyphRadii;
        if (problems.empty()) {
            values = std::move(read.values);
            continue;
        }
        values = shippedWheelTable(table);
        load.messages.push_back(warningMessage("The file " + std::string(rule.file) + " cannot be used (" +
                                               described(problems.front()) +
                                               "). The wheels are drawn with the shipped table."));
    }
    return load;
}

}  // namespace helion
