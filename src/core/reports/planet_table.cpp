#include "core/reports/planet_table.h"

#include <utility>

#include "core/astro/houses.h"
#include "core/reports/angle_text.h"
#include "core/reports/name_tables.h"

namespace helion {

char retrogradeMark(const PointFlags& retrograde, Point point) { return retrograde[point] ? 'R' : ' '; }

std::string houseField(int house) { return std::string(labelOfHouse(house)) + " HOUSE"; }

void appendHouseCuspBlock(ReportLines& lines, const CuspTable& cusp, HouseSystem system) {
    lines.emplace_back();
    lines.push_back("  HOUSE CUSPS - " + std::string(houseSystemName(system)));
    std::string line;
    for (int entry = 1; entry <= 12; ++entry) {
        line += (entry % 3 == 1 ? "  " : " ") + std::string(houseLabel(entry)) +
                " house = " + positionText(cusp[static_cast<std::size_t>(entry)]);
        if (entry % 3 == 0) lines.push_back(std::exchange(line, {}));
    }
}

void appendPlanetTable(ReportLines& lines, const ChartPositions& chart, bool withHouses) {
    lines.emplace_back();
    for (const Point body : kTableRows) {
        std::string row = "  " + positionWithSeconds(chart.longitude[body]) + "   " + std::string(planetName(body)) +
                          retrogradeMark(chart.retrograde, body) + "    ";
        row += withHouses ? "(" + houseField(chart.house[body]) + ")    " : std::string(16, ' ');
        row += declinationText(chart.declination[body]);
        lines.push_back(std::move(row));
    }
    lines.push_back(std::string(51, ' ') + "Decl.");
}

}  // namespace helion
