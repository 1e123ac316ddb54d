#pragma once
// The summary table: one row per body with its natal, major progressed, minor progressed
// and transiting position and declination side by side. When the diurnal chart is a
// second person, who has no progressions, only the natal and that person's columns.

#include "core/chart/chart_tables.h"
#include "core/reports/report.h"

namespace helion {

Report summaryReport(const ChartTables& charts);

}  // namespace helion
