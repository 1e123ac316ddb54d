#pragma once
// The Cosmodynes command: the chart heading, the natal Cosmodynes report and the
// progressed Cosmodynes report, and the compact text that goes to the clipboard.

#include <string>

#include "core/chart/chart_tables.h"
#include "core/reports/report.h"

namespace helion {

struct CosmodynesReport {
    Report report;
    // Every entry followed by carriage return and line feed, the last one included.
    std::string clipboardText;
};

CosmodynesReport cosmodynesReport(const ChartTables& charts);

}  // namespace helion
