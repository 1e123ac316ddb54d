#pragma once
// The progression reports: the major (day-for-a-year) progressed chart and the minor
// (month-for-a-year) progressed chart, each with its aspects and parallels to the natal
// chart and to the major progressed chart.

#include "core/chart/chart_tables.h"
#include "core/config/options.h"
#include "core/reports/report.h"

namespace helion {

// The arc by which a chart's angles were directed from the natal angles: its Sun less
// the natal Sun, in [0, 360). The reports print it as the "solar constant".
float solarArc(const ChartPositions& directed, const ChartPositions& natal);

Report majorProgressionsReport(const ChartTables& charts, const OptionValues& options);

Report minorProgressionsReport(const ChartTables& charts, const OptionValues& options);

}  // namespace helion
