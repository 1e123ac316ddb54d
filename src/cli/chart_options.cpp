#include "cli/chart_options.h"

#include <CLI/CLI.hpp>
#include <iostream>

#include "cli/commands.h"
#include "core/app/program_folder.h"
#include "core/input/names_record.h"
#include "core/reports/transit_report.h"
#include "swe/swiss_ephemeris.h"

namespace helion::cli {
namespace {

std::optional<InputWindowTexts> readRecord(const std::string& option, const std::string& record) {
    const NamesRecordParse parse = parseNamesRecord(record);
    if (!parse.texts) std::cerr << "helion-cli: " << option << ": " << parse.error << "\n";
    return parse.texts;
}

}  // namespace

void addChartOptions(CLI::App& command, ChartOptions& options) {
    command.add_option("--natal", options.natal, "Natal record: name,dd mmm yyyy,H.MM,A|P,zone,longitude,latitude")
        ->required();
    command.add_option("--diurnal", options.diurnal, "Diurnal record (transit date or second person), same form")
        ->required();
    command.add_option("--house", options.house, "House system: P Placidus, R Regiomontanus, K Koch, O Porphyry, M Meridian")
        ->check(CLI::IsMember({'P', 'R', 'K', 'O', 'M'}));
    command.add_option("--second-person", options.secondPerson,
                       "The diurnal record is a second person's birth data; CAPTION names the box (\"2nd Person\")")
        ->expected(0, 1)
        ->type_name("[CAPTION]");
    command.add_option("--date-order", options.dateOrder, "Regional date order: 0 m/d/y, 1 d/m/y, 2 y/m/d")
        ->check(CLI::Range(0, 2));
    command.add_option("--folder", options.folder, "Program folder (default: the program's own)");
}

std::string secondPersonCaption(const ChartOptions& options) {
    return options.secondPerson.value_or("").empty() ? std::string(kSecondPersonCaption) : *options.secondPerson;
}

std::filesystem::path programFolder(const ChartOptions& options) {
    if (!options.folder.empty()) return options.folder;
    const ProgramFolder resolved = programFolderOfThisProcess();
    for (const Message& m : resolved.messages) std::cerr << m.caption << " " << m.text << "\n";
    return resolved.folder;
}

std::optional<ChartRequest> chartRequest(const ChartOptions& options) {
    const auto natal = readRecord("--natal", options.natal);
    const auto diurnal = readRecord("--diurnal", options.diurnal);
    if (!natal || !diurnal) {
        setExitStatus(kBadInput);
        return std::nullopt;
    }
    ChartRequest request;
    request.natal = *natal;
    request.diurnal = *diurnal;
    request.houseSystem = houseSystemFromCode(options.house).value_or(HouseSystem::Placidus);
    request.secondPerson = options.secondPerson.has_value();
    request.dateOrder = dateOrderFromCode(options.dateOrder);
    return request;
}

std::optional<ChartTables> runCharts(const ChartOptions& options) {
    const auto request = chartRequest(options);
    if (!request) return std::nullopt;
    const SwissEphemeris ephemeris(ephemerisPath(programFolder(options)));
    ChartRun run = computeCharts(*request, ephemeris, ChartTables{});
    for (const Message& m : run.messages) std::cerr << m.caption << " " << m.text << "\n";
    if (!run.tables) setExitStatus(kBadInput);
    return run.tables;
}

void printMessages(const std::vector<Message>& messages) {
    for (const Message& m : messages) std::cerr << m.caption << " " << m.text << "\n";
}

std::optional<OptionValues> loadProgramOptions(const ChartOptions& chart) {
    const OptionsLoad load = loadOptions(programFolder(chart) / kOptionsFile, OptionValues{});
    printMessages(load.messages);
    if (!load.messages.empty()) {
        setExitStatus(kDataProblem);
        return std::nullopt;
    }
    return load.values;
}

}  // namespace helion::cli
