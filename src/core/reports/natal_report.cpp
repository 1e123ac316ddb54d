#include "core/reports/natal_report.h"

#include "core/reports/beacon_society.h"
#include "core/reports/chart_heading.h"
#include "core/reports/natal_grid.h"
#include "core/reports/planet_table.h"

namespace helion {

Report natalDataReport(const ChartTables& charts, const OptionValues& options) {
    Report report;
    appendChartHeader(report.lines, charts);
    appendHouseCuspBlock(report.lines, charts.natal.cusp, charts.houseSystem);
    appendPlanetTable(report.lines, charts.natal, true);
    report.lines.emplace_back();
    appendBeaconSocietyAspects(report.lines, charts.natal);
    appendNatalAspectGrid(report.lines, charts.natal, options);
    return report;
}

}  // namespace helion
