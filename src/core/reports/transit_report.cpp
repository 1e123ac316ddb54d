#include "core/reports/transit_report.h"

#include "core/reports/lunation_section.h"
#include "core/reports/moving_chart_report.h"

namespace helion {

Report transitsReport(const ChartTables& charts, const OptionValues& options, std::string_view secondPersonCaption) {
    const float orb = reportParallelOrb(options);
    // The sections to the natal chart follow the positions table without an empty line.
    const ChartComparison toNatal{
        charts.natal,
        {6, "TRANSITING PLANET ASPECTS TO NATAL PLANETS", 5, "TRANSITING PLANET PARALLELS TO NATAL PLANETS"},
        false};
    if (charts.secondPerson)
        return movingChartReport(charts, {charts.diurnal, "  " + std::string(secondPersonCaption), true}, {toNatal},
                                 orb);
    Report report = movingChartReport(charts, {charts.diurnal, "  TRANSITS - "},
                                      {toNatal,
                                       {charts.progressed,
                                        {3, "TRANSITING PLANET ASPECTS TO PROGRESSED PLANETS", 2,
                                         "TRANSITING PLANET PARALLELS TO PROGRESSED PLANETS"}}},
                                      orb);
    appendLunations(report, charts, options[option::LunationOrb]);
    return report;
}

}  // namespace helion
