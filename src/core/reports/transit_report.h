#pragma once
// The transits report: the diurnal chart's positions, its aspects and parallels to the
// natal chart and, when the diurnal chart is a date rather than a second person, to the
// progressed chart, followed by the year's lunations.

#include <string_view>

#include "core/chart/chart_tables.h"
#include "core/config/options.h"
#include "core/reports/report.h"

namespace helion {

inline constexpr std::string_view kSecondPersonCaption = "2nd Person";

// secondPersonCaption: the caption of the diurnal window's second-person box, which
// heads the positions of a second person.
Report transitsReport(const ChartTables& charts, const OptionValues& options,
                      std::string_view secondPersonCaption = kSecondPersonCaption);

}  // namespace helion
