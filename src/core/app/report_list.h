#pragma once
// The reports of the Data menu, one list for both front ends: the name helion-cli gives
// each, what it holds and how it is written.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/chart/chart_tables.h"
#include "core/config/options.h"
#include "core/reports/report.h"
#include "core/reports/transit_report.h"

namespace helion {

enum class ReportKind { Natal, Progressions, Minor, Summary, Transits, Cosmodynes };

struct ReportListEntry {
    ReportKind kind;
    std::string_view name;
    std::string_view description;
};

inline constexpr std::array<ReportListEntry, 6> kReportList{{
    {ReportKind::Natal, "natal", "Natal data: cusps, planets, Beacon Society aspects, aspect grid"},
    {ReportKind::Progressions, "progressions", "Major progressions and their aspects"},
    {ReportKind::Minor, "minor", "Minor progressions and their aspects"},
    {ReportKind::Summary, "summary", "Summary table of natal, progressed and transiting positions"},
    {ReportKind::Transits, "transits", "Transits, their aspects and the year's lunations"},
    {ReportKind::Cosmodynes, "cosmodynes",
     "Cosmodynes: power and harmony of the natal and progressed points, signs and houses"},
}};

struct WrittenReport {
    Report report;
    // The Cosmodynes report's compact text for the clipboard; nothing for the others.
    std::optional<std::string> clipboardText;
};

// secondPersonCaption heads a second person's positions in the transits report.
WrittenReport writeReport(ReportKind kind, const ChartTables& charts, const OptionValues& options,
                          std::string_view secondPersonCaption = kSecondPersonCaption);

}  // namespace helion
