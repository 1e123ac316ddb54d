#include "core/reports/summary_report.h"

#include "core/reports/angle_text.h"
#include "core/reports/chart_heading.h"
#include "core/reports/planet_table.h"
#include "core/reports/point_names.h"
#include "core/reports/progression_report.h"

namespace helion {
namespace {

// Position with its retrograde mark, then the declination: 22 characters.
std::string columnsOf(const ChartPositions& chart, Point body) {
    return positionText(chart.longitude[body]) + " " + retrogradeMark(chart.retrograde, body) + " " +
           declinationText(chart.declination[body]) + "   ";
}

}  // namespace

Report summaryReport(const ChartTables& charts) {
    Report report;
    ReportLines& lines = report.lines;
    appendChartHeader(lines, charts);
    lines.emplace_back();
    lines.push_back("  " + solarConstantText(solarArc(charts.progressed, charts.natal)));
    lines.emplace_back();
    if (charts.secondPerson) {
        lines.push_back("  PLANET   NATAL LONG  NATAL D    TRANSITS   TRANS D");
        lines.push_back("  ------   ----------  -------    --------   -------");
    } else {
        lines.push_back(
            "  PLANET   NATAL LONG  NATAL D   PROG LONG   PROG D.   minr LONG   minr D.   TRANSITS    TRANS D");
        lines.push_back(
            "  ------   ----------  -------   ---------   -------   ---------   -------   ---------   -------");
    }
    for (const Point body : kTableRows) {
        std::string row = "  " + pointNameInWidth(body, 7) + "  " + columnsOf(charts.natal, body);
        if (!charts.secondPerson) row += columnsOf(charts.progressed, body) + columnsOf(charts.minorProgressed, body);
        row += columnsOf(charts.diurnal, body);
        lines.push_back(std::move(row));
    }
    return report;
}

}  // namespace helion
