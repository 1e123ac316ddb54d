#pragma once
// The natal Cosmodynes report: the point, sign and house tables, the group sums and the
// aspect grid, and the same content in compact form for the clipboard.

#include <string>

#include "core/chart/chart_tables.h"
#include "core/cosmodynes/cosmo_clipboard.h"
#include "core/cosmodynes/natal_cosmodynes.h"
#include "core/reports/report.h"

namespace helion {

// The clipboard's first entry: the chart's name and birth data on one line.
std::string clipboardHeading(const ChartTables& charts);

void appendNatalCosmodynes(const NatalCosmodynes& cosmo, const ChartTables& charts, ReportLines& lines,
                           CosmoClipboard& clipboard);

}  // namespace helion
