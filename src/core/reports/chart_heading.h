#pragma once
// The heading that opens every report: the chart's name, its birth data and the diurnal
// date.

#include "core/chart/chart_tables.h"
#include "core/reports/report.h"

namespace helion {

// An empty line, then three lines:
//   "  Sample Chart"
//   "  07 Mar 1952    TZ = 5.0      10.30 A.M.   40.43 NORTH    74.00 WEST"
//   "  Diurnal date = 06 Dec 2026"
void appendChartHeader(ReportLines& lines, const ChartTables& charts);

}  // namespace helion
