#include "core/reports/data_window_report.h"

#include "core/reports/natal_report.h"

namespace helion {

std::optional<std::string> presentReport(DataBuffer& buffer, const Report& report) {
    buffer.startReport();
    for (const std::string& line : report.lines) buffer.appendReportLine(line);
    return buffer.showReport();
}

std::optional<std::string> presentComputedChart(DataBuffer& buffer, const ChartTables& charts,
                                                const OptionValues& options) {
    std::optional<std::string> text = presentReport(buffer, natalDataReport(charts, options));
    if (options.clearAfterNatalReport()) (void)buffer.clearAllData();
    return text;
}

}  // namespace helion
