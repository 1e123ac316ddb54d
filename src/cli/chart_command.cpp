#include <CLI/CLI.hpp>
#include <iostream>
#include <memory>

#include "cli/chart_json.h"
#include "cli/chart_options.h"
#include "cli/commands.h"
#include "core/base/record_fields.h"
#include "core/base/text_file.h"
#include "core/input/names_record.h"
#include "swe/swiss_ephemeris.h"

namespace helion::cli {
namespace {

// Every record of the --names file to its own line of JSON, charted against the --diurnal
// record or, without one, against itself. A record that cannot be read or charted is
// reported on standard error by its line and the others go on.
int printEveryChart(const ChartOptions& options, const OptionValues& programOptions) {
    const auto text = readTextFile(options.names);
    if (!text) {
        std::cerr << "helion-cli: --names: " << options.names << " cannot be read as a text file\n";
        return kBadInput;
    }
    const TextBeforeControl readable = textBeforeControlLine(*text);
    std::optional<InputWindowTexts> diurnal;
    if (!options.diurnal.empty()) {
        const NamesRecordParse parse = parseNamesRecord(options.diurnal);
        if (!parse.texts) {
            std::cerr << "helion-cli: --diurnal: " << parse.error << "\n";
            return kBadInput;
        }
        diurnal = parse.texts;
    }
    const SwissEphemeris ephemeris(ephemerisPath(programFolder(options)));
    const auto lines = splitLines(readable.text);
    int status = 0;
    std::size_t i = 0;
    for (; i < lines.size(); ++i) {
        if (trimmed(splitFields(lines[i]).front()).empty()) break;  // the end of the list
        const std::string where = options.names + ":" + std::to_string(i + 1) + ": ";
        const NamesRecordParse parse = parseNamesRecord(lines[i]);
        if (!parse.texts) {
            std::cerr << where << parse.error << "\n";
            status = kDataProblem;
            continue;
        }
        const ChartRequest request = requestOf(*parse.texts, diurnal.value_or(*parse.texts), options, programOptions);
        const ChartRun run = computeCharts(request, ephemeris, ChartTables{});
        for (const Message& message : run.messages)
            std::cerr << where << message.caption << " " << message.text << "\n";
        if (!run.tables) {
            printInputFaults(request, diurnal.has_value(), where);
            status = kDataProblem;
            continue;
        }
        std::cout << compactJson(chartTablesJson(*run.tables)) << '\n';
    }
    if (i == lines.size() && readable.controlLine != 0) {
        std::cerr << options.names << ":" << readable.controlLine << ": " << kControlCharacterProblem << "\n";
        status = kDataProblem;
    }
    return status;
}

int runChart(const ChartOptions& options, bool every) {
    const auto programOptions = loadProgramOptions(options);
    if (!programOptions) return kDataProblem;
    if (every) return printEveryChart(options, *programOptions);
    const auto tables = runCharts(options, *programOptions);
    if (!tables) return kBadInput;
    std::cout << chartTablesJson(*tables);
    return 0;
}

}  // namespace

void addChartCommand(CLI::App& app, int& exitStatus) {
    auto options = std::make_shared<ChartOptions>();
    auto every = std::make_shared<bool>(false);
    CLI::App* command = app.add_subcommand("chart", "Compute the four chart sets and print them as JSON");
    addChartOptions(*command, *options);
    command->add_flag("--all", *every, "Chart every record of the --names file, one JSON object per line")
        ->needs("--names")
        ->excludes("--record");
    command->callback([options, every, &exitStatus] { exitStatus = runChart(*options, *every); });
}

}  // namespace helion::cli
