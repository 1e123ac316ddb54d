#pragma once
// The chart tables as one JSON object, every number with 17 significant digits so that
// the doubles survive the trip exactly.

#include <string>

#include "core/chart/chart_tables.h"

namespace helion::cli {

std::string chartTablesJson(const ChartTables& tables);

}  // namespace helion::cli
