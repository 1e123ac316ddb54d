#include "core/reports/transit_report.h"

#include "core/reports/chart_heading.h"
#include "core/reports/lunation_section.h"
#include "core/reports/pair_sections.h"
#include "core/reports/planet_table.h"

namespace helion {

Report transitsReport(const ChartTables& charts, const OptionValues& options, std::string_view secondPersonCaption) {
    const ChartPositions& diurnal = charts.diurnal;
    const float orb = reportParallelOrb(options);
    Report report;
    ReportLines& lines = report.lines;

    appendChartHeader(lines, charts);
    lines.emplace_back();
    lines.push_back("  " + std::string(charts.secondPerson ? secondPersonCaption : "TRANSITS - "));
    appendPlanetTable(lines, diurnal, charts.secondPerson);

    appendCrossSections(
        lines, {6, "TRANSITING PLANET ASPECTS TO NATAL PLANETS", 5, "TRANSITING PLANET PARALLELS TO NATAL PLANETS"},
        diurnal, charts.natal, orb);
    if (charts.secondPerson) return report;

    lines.emplace_back();
    appendCrossSections(
        lines,
        {3, "TRANSITING PLANET ASPECTS TO PROGRESSED PLANETS", 2, "TRANSITING PLANET PARALLELS TO PROGRESSED PLANETS"},
        diurnal, charts.progressed, orb);
    appendLunations(report, charts, options[option::LunationOrb]);
    return report;
}

}  // namespace helion
