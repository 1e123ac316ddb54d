// helion-cli report natal|progressions|minor|summary|transits|cosmodynes: the text that the Data
// window shows for one report, or its saved document.
#include <CLI/CLI.hpp>
#include <iostream>
#include <memory>
#include <utility>

#include "cli/chart_options.h"
#include "cli/commands.h"
#include "cli/cosmodynes_clipboard.h"
#include "core/app/report_list.h"
#include "core/config/options.h"
#include "core/reports/data_window_report.h"
#include "core/reports/document_file.h"

namespace helion::cli {
namespace {

struct ReportOptions {
    ChartOptions chart;
    std::optional<std::string> saveFile;
    std::string clipboardFile;  // cosmodynes only
};

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

int runReport(ReportKind kind, const ReportOptions& options) {
    if (options.saveFile && options.saveFile->empty()) {
        std::cerr << "helion-cli: --save: no file name was given\n";
        return kBadInput;
    }
    const std::optional<OptionValues> values = loadProgramOptions(options.chart);
    if (!values) return kDataProblem;
    const std::optional<ChartTables> charts = runCharts(options.chart, *values);
    if (!charts) return kBadInput;

    const WrittenReport written = writeReport(kind, *charts, *values, secondPersonCaption(options.chart));
    // A clipboard file that cannot be written leaves the report to be printed or saved.
    int status = 0;
    if (written.clipboardText && !options.clipboardFile.empty() &&
        !writeClipboardFile(*written.clipboardText, options.clipboardFile))
        status = kBadInput;
    const Report& report = written.report;
    DataBuffer buffer;
    const std::optional<std::string> text = presentReport(buffer, report);
    printMessages(report.messages);
    printMessages(buffer.takeMessages());
    if (!options.saveFile) {
        if (text) std::cout << withLineFeeds(*text);
        return status;
    }
    if (const auto problem = saveDocument(buffer, *options.saveFile, (*values)[option::SavedPageLength])) {
        printMessages({*problem});
        return kBadInput;
    }
    return status;
}

}  // namespace

void addReportCommand(CLI::App& app, int& exitStatus) {
    CLI::App* report = app.add_subcommand("report", "Print one report of the Data window for a chart");
    report->require_subcommand(1);
    for (const ReportListEntry& entry : kReportList) {
        auto options = std::make_shared<ReportOptions>();
        CLI::App* command = report->add_subcommand(std::string(entry.name), std::string(entry.description));
        addChartOptions(*command, options->chart);
        if (entry.kind == ReportKind::Cosmodynes) addClipboardOption(*command, options->clipboardFile);
        command
            ->add_option("--save", options->saveFile,
                         "Write the saved-document form (CR LF, form feeds) to FILE instead of printing")
            ->type_name("FILE");
        command->callback([kind = entry.kind, options, &exitStatus] { exitStatus = runReport(kind, *options); });
    }
}

}  // namespace helion::cli
