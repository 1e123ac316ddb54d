#include "core/cosmodynes/natal_cosmodynes_report.h"

#include <cmath>

#include "core/cosmodynes/cosmo_grid_report.h"
#include "core/cosmodynes/group_sums_report.h"
#include "core/cosmodynes/score_tables_report.h"
#include "core/reports/number_format.h"

namespace helion {

std::string clipboardHeading(const ChartTables& charts) {
    const ChartInput& natal = charts.natalInput;
    return "  " + charts.chartName + ", " + formatDate({natal.year, natal.month, natal.day}) +
           ", TZ = " + formatNumber(natal.zone, "##0.0") + ", " + formatNumber(natal.time, "#0.00") + " " +
           meridiemText(natal.meridiem) + ", " + formatNumber(std::fabs(natal.latitude), "##0.00") + " " +
           latitudeSideText(natal.latitude) + ", " + formatNumber(std::fabs(natal.longitude), "##0.00") + " " +
           longitudeSideText(natal.longitude);
}

void appendNatalCosmodynes(const NatalCosmodynes& cosmo, const ChartTables& charts, ReportLines& lines,
                           CosmoClipboard& clipboard) {
    lines.emplace_back();
    clipboard.put(clipboardHeading(charts));
    clipboard.move(1);

    appendScoreTable(pointTable(cosmo), lines, clipboard);
    lines.emplace_back();
    appendScoreTable(signTable(cosmo), lines, clipboard);
    lines.emplace_back();
    appendScoreTable(houseTable(cosmo), lines, clipboard);

    appendGroupSums(cosmo, lines, clipboard);
    appendCosmoGrid(cosmo.aspectGrid, lines, clipboard);
}

}  // namespace helion
