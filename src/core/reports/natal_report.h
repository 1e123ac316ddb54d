#pragma once
// The natal data report: heading, house cusps and planet table, the Beacon Society
// aspects, and the aspect grid with its list. Every chart computation ends by showing it.

#include "core/chart/chart_tables.h"
#include "core/config/options.h"
#include "core/reports/report.h"

namespace helion {

Report natalDataReport(const ChartTables& charts, const OptionValues& options);

}  // namespace helion
