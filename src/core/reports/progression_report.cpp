#include "core/reports/progression_report.h"

#include "core/astro/angles.h"
#include "core/reports/angle_text.h"
#include "core/reports/moving_chart_report.h"
#include "core/reports/number_format.h"

namespace helion {
namespace {

std::string travelLine(const char* angle, double progressed, double natal) {
    return std::string("  Progressed ") + angle + " has traveled " +
           formatNumber(normalize360(progressed - natal), "#0.00") + " degrees.";
}

}  // namespace

float solarArc(const ChartPositions& directed, const ChartPositions& natal) {
    return static_cast<float>(normalize360(directed.longitude[Point::Sun] - natal.longitude[Point::Sun]));
}

Report majorProgressionsReport(const ChartTables& charts, const OptionValues& options) {
    const ChartPositions& progressed = charts.progressed;
    const ChartPositions& natal = charts.natal;
    const float orb = options.orb(Aspect::Parallel);
    const MovingChart moving{
        progressed,
        "  PROGRESSED POSITIONS -  " + solarConstantText(solarArc(progressed, natal)),
        false,
        {travelLine(" MC", progressed.longitude[Point::Midheaven], natal.longitude[Point::Midheaven]),
         travelLine("ASC", progressed.longitude[Point::Ascendant], natal.longitude[Point::Ascendant])}};
    Report report = movingChartReport(
        charts, moving,
        {{natal, {6, "PROGRESSED PLANET ASPECTS TO NATAL PLANETS", 5, "PROGRESSED PLANET PARALLELS TO NATAL PLANETS"}}},
        orb);
    ReportLines& lines = report.lines;
    appendSectionHeading(lines, 3, "PROGRESSED PLANET ASPECTS TO PROGRESSED PLANETS");
    appendWithinAspects(lines, progressed.longitude);
    lines.emplace_back();
    appendSectionHeading(lines, 2, "PROGRESSED PLANET PARALLELS TO PROGRESSED PLANETS");
    appendWithinParallels(lines, progressed.declination, orb);
    return report;
}

Report minorProgressionsReport(const ChartTables& charts, const OptionValues& options) {
    const ChartPositions& minor = charts.minorProgressed;
    return movingChartReport(charts,
                             {minor, "  MINOR PROGRESSIONS - " + solarConstantText(solarArc(minor, charts.natal))},
                             {{charts.natal,
                               {3, "MINOR PROGRESSED PLANET ASPECTS TO NATAL PLANETS", 2,
                                "MINOR PROGRESSED PLANET PARALLELS TO NATAL PLANETS"}},
                              {charts.progressed,
                               {2, "MINOR PROGRESSED PLANET ASPECTS TO PROGRESSED PLANETS", 2,
                                "MINOR PROGRESSED PLANET PARALLELS TO PROGRESSED PLANETS"}}},
                             options.orb(Aspect::Parallel));
}

}  // namespace helion
