#include "core/app/report_list.h"

#include <utility>

#include "core/cosmodynes/cosmodynes_report.h"
#include "core/reports/natal_report.h"
#include "core/reports/progression_report.h"
#include "core/reports/summary_report.h"

namespace helion {

WrittenReport writeReport(ReportKind kind, const ChartTables& charts, const OptionValues& options,
                          std::string_view secondPersonCaption) {
    switch (kind) {
        case ReportKind::Natal: return {natalDataReport(charts, options), std::nullopt};
        case ReportKind::Progressions: return {majorProgressionsReport(charts, options), std::nullopt};
        case ReportKind::Minor: return {minorProgressionsReport(charts, options), std::nullopt};
        case ReportKind::Summary: return {summaryReport(charts), std::nullopt};
        case ReportKind::Transits: return {transitsReport(charts, options, secondPersonCaption), std::nullopt};
        case ReportKind::Cosmodynes: break;
    }
    CosmodynesReport cosmodynes = cosmodynesReport(charts);
    return {std::move(cosmodynes.report), std::move(cosmodynes.clipboardText)};
}

}  // namespace helion
