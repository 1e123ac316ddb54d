#include "core/reports/chart_heading.h"

#include <cmath>

#include "core/reports/number_format.h"

namespace helion {
namespace {

std::string dateOf(const ChartInput& input) { return formatDate({input.year, input.month, input.day}); }

}  // namespace

void appendChartHeader(ReportLines& lines, const ChartTables& charts) {
    const ChartInput& natal = charts.natalInput;
    lines.emplace_back();
    lines.push_back("  " + charts.chartName);
    lines.push_back("  " + dateOf(natal) + "    TZ = " + formatNumber(natal.zone, "##0.0") + "      " +
                    formatNumber(natal.time, "#0.00") + " " + meridiemText(natal.meridiem) + "   " +
                    formatNumber(std::fabs(natal.latitude), "##0.00") + " " + latitudeSideText(natal.latitude) +
                    "    " + formatNumber(std::fabs(natal.longitude), "##0.00") + " " +
                    longitudeSideText(natal.longitude));
    lines.push_back("  Diurnal date = " + dateOf(charts.diurnalInput));
}

}  // namespace helion
