#pragma once
// The blocks that print one chart's positions: the house-cusp block and the planet table
// (position with seconds, name, retrograde mark, house, declination per body).

#include <array>
#include <string>

#include "core/astro/house_system.h"
#include "core/chart/chart_tables.h"
#include "core/reports/report.h"

namespace helion {

// The bodies with a row, in row order: Sun, Moon, Mercury .. Pluto, Ascendant, Midheaven.
inline constexpr std::array<Point, 12> kTableRows{Point::Sun,     Point::Moon,    Point::Mercury,   Point::Venus,
                                                  Point::Mars,    Point::Jupiter, Point::Saturn,    Point::Uranus,
                                                  Point::Neptune, Point::Pluto,   Point::Ascendant, Point::Midheaven};

// "R" for a planet that moved backwards at the chart's moment, otherwise a blank.
char retrogradeMark(const PointFlags& retrograde, Point point);

// The 10-character house field of house 1..12 ("10TH HOUSE"); "     HOUSE" for none.
std::string houseField(int house);

// An empty line, "  HOUSE CUSPS - " and the system's name, then the twelve cusps three
// to a line, from the 10th house on.
void appendHouseCuspBlock(ReportLines& lines, const CuspTable& cusp, HouseSystem system);

// An empty line, one row per body and a closing "Decl." line under the declination
// column. Without houses, sixteen blanks stand where the house column would be.
void appendPlanetTable(ReportLines& lines, const ChartPositions& chart, bool withHouses);

}  // namespace helion
