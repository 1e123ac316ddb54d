#pragma once
// Running a report into the Data window's buffer, as every report command does: start
// the report, append its lines, show it.

#include <optional>
#include <string>

#include "core/chart/chart_tables.h"
#include "core/config/options.h"
#include "core/reports/report.h"
#include "core/reports/report_buffer.h"

namespace helion {

// Returns the window's new text (every element followed by CR LF), or nothing when the
// buffer holds no data to show. The report's own messages are left to the caller.
std::optional<std::string> presentReport(DataBuffer& buffer, const Report& report);

// The end of every chart computation: the natal data report is shown; then, when option
// 211 is set, the full list is emptied (without the "cleared" notice) so that only the
// reports asked for afterwards accumulate.
std::optional<std::string> presentComputedChart(DataBuffer& buffer, const ChartTables& charts,
                                                const OptionValues& options);

}  // namespace helion
