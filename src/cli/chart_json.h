#pragma once
// The chart tables as one JSON object, every number with 17 significant digits so that
// the doubles survive the trip exactly.

#include <string>
#include <string_view>

#include "core/chart/chart_tables.h"

namespace helion::cli {

std::string chartTablesJson(const ChartTables& tables);

// The same object on one line: every line break goes with the indentation after it.
std::string compactJson(std::string_view json);

}  // namespace helion::cli
