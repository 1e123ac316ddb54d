// helion-cli report natal|progressions|minor|summary|transits|cosmodynes: the text that the Data
// window shows for one report, or its saved document.
#include <CLI/CLI.hpp>
#include <functional>
#include <iostream>
#include <memory>
#include <utility>

#include "cli/chart_options.h"
#include "cli/commands.h"
#include "cli/cosmodynes_clipboard.h"
#include "core/app/options.h"
#include "core/cosmodynes/cosmodynes_report.h"
#include "core/reports/data_window_report.h"
#include "core/reports/document_file.h"
#include "core/reports/natal_report.h"
#include "core/reports/progression_report.h"
#include "core/reports/summary_report.h"
#include "core/reports/transit_report.h"

namespace helion::cli {
namespace {

struct ReportOptions {
    ChartOptions chart;
    std::string saveFile;
    std::string clipboardFile;  // cosmodynes only
};

using ReportWriter = std::function<Report(const ChartTables&, const OptionValues&, const ReportOptions&)>;

struct ReportKind {
    const char* name;
    const char* description;
    ReportWriter write;
};

const std::vector<ReportKind>& reportKinds() {
    static const std::vector<ReportKind> kinds{
        {"natal", "Natal data: cusps, planets, Beacon Society aspects, aspect grid",
         [](const ChartTables& c, const OptionValues& o, const ReportOptions&) { return natalDataReport(c, o); }},
        {"progressions", "Major progressions and their aspects",
         [](const ChartTables& c, const OptionValues& o, const ReportOptions&) { return majorProgressionsReport(c, o); }},
        {"minor", "Minor progressions and their aspects",
         [](const ChartTables& c, const OptionValues& o, const ReportOptions&) { return minorProgressionsReport(c, o); }},
        {"summary", "Summary table of natal, progressed and transiting positions",
         [](const ChartTables& c, const OptionValues&, const ReportOptions&) { return summaryReport(c); }},
        {"transits", "Transits, their aspects and the year's lunations",
         [](const ChartTables& c, const OptionValues& o, const ReportOptions& r) {
             return transitsReport(c, o, secondPersonCaption(r.chart));
         }},
        {"cosmodynes", "Cosmodynes: power and harmony of the natal and progressed points, signs and houses",
         [](const ChartTables& c, const OptionValues&, const ReportOptions& r) {
             CosmodynesReport cosmodynes = cosmodynesReport(c);
             if (!r.clipboardFile.empty()) writeClipboardFile(cosmodynes.clipboardText, r.clipboardFile);
             return std::move(cosmodynes.report);
         }},
    };
    return kinds;
}

// The Data window's text with every line break, also those inside one element, as LF.
std::string withLineFeeds(const std::string& windowText) {
    std::string text;
    text.reserve(windowText.size());
    for (std::size_t i = 0; i < windowText.size(); ++i) {
        if (windowText[i] == '\r' && i + 1 < windowText.size() && windowText[i + 1] == '\n') continue;
        text += windowText[i];
    }
    return text;
}

void runReport(const ReportKind& kind, const ReportOptions& options) {
    const std::optional<ChartTables> charts = runCharts(options.chart);
    if (!charts) return;
    const std::optional<OptionValues> values = loadProgramOptions(options.chart);
    if (!values) return;

    const Report report = kind.write(*charts, *values, options);
    DataBuffer buffer;
    const std::optional<std::string> text = presentReport(buffer, report);
    printMessages(report.messages);
    printMessages(buffer.takeMessages());
    if (options.saveFile.empty()) {
        if (text) std::cout << withLineFeeds(*text);
        return;
    }
    if (const auto problem = saveDocument(buffer, options.saveFile, (*values)[option::SavedPageLength])) {
        printMessages({*problem});
        setExitStatus(kBadInput);
    }
}

}  // namespace

void addReportCommand(CLI::App& app) {
    CLI::App* report = app.add_subcommand("report", "Print one report of the Data window for a chart");
    report->require_subcommand(1);
    for (const ReportKind& kind : reportKinds()) {
        auto options = std::make_shared<ReportOptions>();
        CLI::App* command = report->add_subcommand(kind.name, kind.description);
        addChartOptions(*command, options->chart);
        if (std::string_view(kind.name) == "cosmodynes") addClipboardOption(*command, options->clipboardFile);
        command->add_option("--save", options->saveFile,
                            "Write the saved-document form (CR LF, form feeds) to FILE instead of printing")
            ->type_name("FILE");
        command->callback([&kind, options] { runReport(kind, *options); });
    }
}

}  // namespace helion::cli
