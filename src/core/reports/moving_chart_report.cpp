#include "core/reports/moving_chart_report.h"

#include "core/reports/chart_heading.h"
#include "core/reports/planet_table.h"

namespace helion {

Report movingChartReport(const ChartTables& charts, const MovingChart& moving,
                         std::initializer_list<ChartComparison> comparisons, float parallelOrb) {
    Report report;
    ReportLines& lines = report.lines;
    appendChartHeader(lines, charts);
    lines.emplace_back();
    lines.push_back(moving.title);
    appendPlanetTable(lines, moving.positions, moving.withHouses);
    lines.insert(lines.end(), moving.afterPositions.begin(), moving.afterPositions.end());
    for (const ChartComparison& comparison : comparisons) {
        if (comparison.emptyLineBefore) lines.emplace_back();
        appendCrossSections(lines, comparison.headings, moving.positions, comparison.fixed, parallelOrb);
    }
    return report;
}

}  // namespace helion
