#include "core/reports/transit_report.h"

#include "core/reports/aspect_sections.h"
#include "core/reports/chart_heading.h"
#include "core/reports/lunation_section.h"
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

    appendSectionHeading(lines, 6, "TRANSITING PLANET ASPECTS TO NATAL PLANETS");
    appendCrossAspects(lines, diurnal.longitude, charts.natal.longitude);
    lines.emplace_back();
    appendSectionHeading(lines, 5, "TRANSITING PLANET PARALLELS TO NATAL PLANETS");
    appendCrossParallels(lines, diurnal.declination, charts.natal.declination, orb);
    lines.emplace_back();
    if (charts.secondPerson) return report;

    lines.emplace_back();
    appendSectionHeading(lines, 3, "TRANSITING PLANET ASPECTS TO PROGRESSED PLANETS");
    appendCrossAspects(lines, diurnal.longitude, charts.progressed.longitude);
    lines.emplace_back();
    appendSectionHeading(lines, 2, "TRANSITING PLANET PARALLELS TO PROGRESSED PLANETS");
    appendCrossParallels(lines, diurnal.declination, charts.progressed.declination, orb);
    lines.emplace_back();
    appendLunations(report, charts, options[option::LunationOrb]);
    return report;
}

}  // namespace helion
