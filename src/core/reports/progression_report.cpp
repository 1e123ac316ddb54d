#include "core/reports/progression_report.h"

#include "core/astro/angles.h"
#include "core/reports/angle_text.h"
#include "core/reports/chart_heading.h"
#include "core/reports/number_format.h"
#include "core/reports/pair_sections.h"
#include "core/reports/planet_table.h"

namespace helion {
namespace {

std::string travelLine(const char* angle, double progressed, double natal) {
    return std::string("  Progressed ") + angle + " has traveled " +
           formatNumber(normalize360(progressed - natal), "#0.00") + " degrees.";
}

}  // namespace

float solarArc(const ChartPositions& directed, const ChartPositions& natal) {
    return static_cast<float>(normalize360(directed.longitude[point::Sun] - natal.longitude[point::Sun]));
}

Report majorProgressionsReport(const ChartTables& charts, const OptionValues& options) {
    const ChartPositions& progressed = charts.progressed;
    const ChartPositions& natal = charts.natal;
    const float orb = reportParallelOrb(options);
    Report report;
    ReportLines& lines = report.lines;

    appendChartHeader(lines, charts);
    lines.emplace_back();
    lines.push_back("  PROGRESSED POSITIONS -  " + solarConstantText(solarArc(progressed, natal)));
    appendPlanetTable(lines, progressed, false);
    lines.push_back(travelLine(" MC", progressed.longitude[point::Midheaven], natal.longitude[point::Midheaven]));
    lines.push_back(travelLine("ASC", progressed.longitude[point::Ascendant], natal.longitude[point::Ascendant]));

    lines.emplace_back();
    appendCrossSections(
        lines, {6, "PROGRESSED PLANET ASPECTS TO NATAL PLANETS", 5, "PROGRESSED PLANET PARALLELS TO NATAL PLANETS"},
        progressed, natal, orb);

    appendSectionHeading(lines, 3, "PROGRESSED PLANET ASPECTS TO PROGRESSED PLANETS");
    appendWithinAspects(lines, progressed.longitude);
    lines.emplace_back();
    appendSectionHeading(lines, 2, "PROGRESSED PLANET PARALLELS TO PROGRESSED PLANETS");
    appendWithinParallels(lines, progressed.declination, orb);
    return report;
}

Report minorProgressionsReport(const ChartTables& charts, const OptionValues& options) {
    const ChartPositions& minor = charts.minorProgressed;
    const float orb = reportParallelOrb(options);
    Report report;
    ReportLines& lines = report.lines;

    appendChartHeader(lines, charts);
    lines.emplace_back();
    lines.push_back("  MINOR PROGRESSIONS - " + solarConstantText(solarArc(minor, charts.natal)));
    appendPlanetTable(lines, minor, false);

    lines.emplace_back();
    appendCrossSections(lines,
                        {3, "MINOR PROGRESSED PLANET ASPECTS TO NATAL PLANETS", 2,
                         "MINOR PROGRESSED PLANET PARALLELS TO NATAL PLANETS"},
                        minor, charts.natal, orb);
    lines.emplace_back();
    appendCrossSections(lines,
                        {2, "MINOR PROGRESSED PLANET ASPECTS TO PROGRESSED PLANETS", 2,
                         "MINOR PROGRESSED PLANET PARALLELS TO PROGRESSED PLANETS"},
                        minor, charts.progressed, orb);
    return report;
}

}  // namespace helion
