#pragma once
// The progressed Cosmodynes report: the natal values again, the progressed positions
// in the natal houses, the progressed aspects, and the progressed sign and house values
// with their changes.

#include <string>

#include "core/chart/chart_tables.h"
#include "core/cosmodynes/natal_cosmodynes.h"
#include "core/cosmodynes/progressed_cosmodynes.h"
#include "core/reports/report.h"

namespace helion {

void appendProgressedCosmodynes(const NatalCosmodynes& natalScore, const ProgressedCosmodynes& progressedScore,
                                const ChartTables& charts, ReportLines& lines);

}  // namespace helion
