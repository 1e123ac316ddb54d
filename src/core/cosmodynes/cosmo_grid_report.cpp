#include "core/cosmodynes/cosmo_grid_report.h"

#include <cctype>

#include "core/base/numeric_text.h"
#include "core/cosmodynes/cosmo_number_fill.h"
#include "core/cosmodynes/cosmodynes_tables.h"
#include "core/reports/point_names.h"

namespace helion {
namespace {

constexpr std::string_view kPowerNote = "Power is listed in upper right section.";
constexpr std::string_view kHarmonyNote = "Harmony is listed in lower left section.";
constexpr std::string_view kColumnHeads =
    "          Sun    Mer    Ven    Mar    Jup    Sat    Ura    Nep    Plu    Moo    Asc    MC";

// "  Sun  ", "  Mer  " .. "  Asc  ", "  MC   ".
std::string rowLabel(Point point) {
    const std::string_view name = pointFullName(point);
    if (name.starts_with("MC ")) return "  MC   ";
    std::string label = "  ";
    label += name[0];
    for (const char c : name.substr(1, 2)) label += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return label + "  ";
}

// A pair without any aspect or parallel, or whose value rounds to nothing, shows dashes.
std::string cell(float value) {
    const std::string text = pad6(value);
    return numericValue(text) == 0.0 ? "  ---- " : text + " ";
}

}  // namespace

void appendCosmoGrid(const AspectGrid& grid, ReportLines& lines, CosmoClipboard& clipboard) {
    lines.emplace_back();
    lines.emplace_back();
    lines.push_back(std::string(25, ' ') + std::string(kPowerNote));
    lines.push_back(std::string(25, ' ') + std::string(kHarmonyNote));
    lines.emplace_back();
    clipboard.put(std::string(6, ' ') + std::string(kPowerNote) + " " + std::string(kHarmonyNote));
    clipboard.move(1);

    lines.emplace_back(kColumnHeads);
    clipboard.put(lines.back());
    for (const Point row : cosmo::kScoredPoints) {
        std::string line = rowLabel(row);
        for (const Point column : cosmo::kScoredPoints) line += row == column ? "  **** " : cell(grid[row][column]);
        lines.push_back(line);
        clipboard.put(line);
    }
}

}  // namespace helion
