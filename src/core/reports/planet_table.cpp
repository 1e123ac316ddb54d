#include "core/reports/planet_table.h"

#include <utility>

#include "core/astro/houses.h"
#include "core/reports/angle_text.h"
#include "core/reports/name_tables.h"

namespace helion {
namespace {

constexpr std::size_t kHouseFieldWidth = 10;

}  // namespace

char retrogradeMark(const ChartPositions& chart, int point) {
    const auto index = static_cast<std::size_t>(point - 1);
    return point >= 1 && index < chart.retrograde.size() ? chart.retrograde[index] : ' ';
}

std::string houseField(const ChartPositions& chart, int point) {
    std::string field;
    const auto start = static_cast<std::size_t>(point - 1) * kHouseFieldWidth;
    if (point >= 1 && start < chart.placement.size()) field = chart.placement.substr(start, kHouseFieldWidth);
    field.resize(kHouseFieldWidth, ' ');
    return field;
}

void appendHouseCuspBlock(ReportLines& lines, const CuspTable& cusp, HouseSystem system) {
    lines.emplace_back();
    lines.push_back("  HOUSE CUSPS - " + std::string(houseSystemName(system)));
    std::string line;
    for (int entry = 1; entry <= 12; ++entry) {
        line += (entry % 3 == 1 ? "  " : " ") + std::string(houseLabel(entry)) + " house = " +
                positionText(cusp[static_cast<std::size_t>(entry)]);
        if (entry % 3 == 0) lines.push_back(std::exchange(line, {}));
    }
}

void appendPlanetTable(ReportLines& lines, const ChartPositions& chart, bool withHouses) {
    lines.emplace_back();
    for (const int body : kTableRows) {
        const auto i = static_cast<std::size_t>(body);
        std::string row = "  " + positionWithSeconds(chart.longitude[i]) + "   " + std::string(planetName(body)) +
                          retrogradeMark(chart, body) + "    ";
        row += withHouses ? "(" + houseField(chart, body) + ")    " : std::string(16, ' ');
        row += declinationText(chart.declination[i]);
        lines.push_back(std::move(row));
    }
    lines.push_back(std::string(51, ' ') + "Decl.");
}

}  // namespace helion
