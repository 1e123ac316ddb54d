#include "core/cosmodynes/cosmodynes_report.h"

#include "core/cosmodynes/cosmo_clipboard.h"
#include "core/cosmodynes/natal_cosmodynes.h"
#include "core/cosmodynes/natal_cosmodynes_report.h"
#include "core/cosmodynes/progressed_cosmodynes.h"
#include "core/cosmodynes/progressed_cosmodynes_report.h"
#include "core/reports/chart_heading.h"

namespace helion {

CosmodynesReport cosmodynesReport(const ChartTables& charts) {
    CosmodynesReport result;
    ReportLines& lines = result.report.lines;
    appendChartHeader(lines, charts);

    const NatalCosmodynes natal = computeNatalCosmodynes(charts.natal);
    CosmoClipboard clipboard;
    appendNatalCosmodynes(natal, charts, lines, clipboard);
    result.clipboardText = clipboard.text();

    const ProgressedCosmodynes progressed = computeProgressedCosmodynes(natal, charts.natal, charts.progressed);
    appendProgressedCosmodynes(natal, progressed, charts, lines);
    return result;
}

}  // namespace helion
