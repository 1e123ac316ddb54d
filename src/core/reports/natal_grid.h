#pragma once
// The natal aspect grid: aspects (by the report orbs of the options) above the diagonal,
// parallels and contraparallels below it, and the list of the grid's aspects with their
// separations, which follows the grid as one element holding its own line breaks.

#include <string>

#include "core/chart/chart_tables.h"
#include "core/config/options.h"
#include "core/reports/report.h"

namespace helion {

// One line of the aspect list, without its line break: the two bodies, the separation
// and the distance from exact (printed without its sign).
std::string aspectListLine(Point first, Point second, double separation, double distance);

void appendNatalAspectGrid(ReportLines& lines, const ChartPositions& natal, const OptionValues& options);

}  // namespace helion
