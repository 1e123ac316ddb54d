#include "cli/chart_options.h"

#include <CLI/CLI.hpp>
#include <iostream>

#include "core/config/program_folder.h"
#include "core/input/names_record.h"
#include "core/input/names_save.h"
#include "core/reports/transit_report.h"
#include "swe/swiss_ephemeris.h"

namespace helion::cli {
namespace {

std::optional<InputWindowTexts> readRecord(const std::string& option, const std::string& record) {
    const NamesRecordParse parse = parseNamesRecord(record);
    if (!parse.texts) std::cerr << "helion-cli: " << option << ": " << parse.error << "\n";
    return parse.texts;
}

std::optional<std::string> namedRecordText(const ChartOptions& options) {
    const NamesFile file = loadNamesFile(options.names);
    const std::vector<NameRecord> named = recordsNamed(file, options.record);
    if (!named.empty()) return named.front().text;
    std::cerr << "helion-cli: --record: no record named '" << options.record << "' in " << options.names << "\n";
    for (const LineProblem& problem : file.problems)
        std::cerr << options.names << ":" << problem.line << ": " << problem.text << "\n";
    return std::nullopt;
}

// The natal record's text: --natal, or the record named by --record in the --names file.
std::optional<std::string> natalRecordText(const ChartOptions& options) {
    if (!options.names.empty()) return namedRecordText(options);
    if (options.natal.empty()) {
        std::cerr << "helion-cli: give --natal, or --names with --record\n";
        return std::nullopt;
    }
    return options.natal;
}

}  // namespace

void addChartOptions(CLI::App& command, ChartOptions& options) {
    CLI::Option* natal =
        command.add_option("--natal", options.natal, "Natal record: name,dd mmm yyyy,H.MM,A|P,zone,longitude,latitude");
    CLI::Option* names = command.add_option("--names", options.names, "Names file to take the natal record from")
                             ->check(CLI::ExistingFile);
    command.add_option("--record", options.record, "Name of the natal record in the --names file (any case)")
        ->needs(names);
    natal->excludes(names);
    command.add_option("--diurnal", options.diurnal, "Diurnal record (transit date or second person), same form");
    command
        .add_option("--house", options.house,
                    "House system: P Placidus, R Regiomontanus, K Koch, O Porphyry, M Meridian, E Equal, "
                    "W Whole Sign, C Campanus, B Alcabitius, T Topocentric (default: the program folder's options)")
        ->check(CLI::IsMember({'P', 'R', 'K', 'O', 'M', 'E', 'W', 'C', 'B', 'T'}));
    command
        .add_option("--second-person", options.secondPerson,
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
    printMessages(resolved.messages);
    return resolved.folder;
}

void printMessages(const std::vector<Message>& messages) {
    for (const Message& m : messages) std::cerr << m.caption << " " << m.text << "\n";
}

std::optional<OptionValues> loadProgramOptions(const ChartOptions& options) {
    const OptionsLoad load = loadOptions(programFolder(options) / kOptionsFile);
    printMessages(load.messages);
    if (!load.messages.empty()) return std::nullopt;
    return load.values;
}

std::optional<ChartRequest> chartRequest(const ChartOptions& options, const OptionValues& programOptions) {
    const auto natalText = natalRecordText(options);
    const auto natal =
        natalText ? readRecord(options.names.empty() ? "--natal" : "--record", *natalText) : std::nullopt;
    if (options.diurnal.empty()) std::cerr << "helion-cli: --diurnal is required\n";
    const auto diurnal = options.diurnal.empty() ? std::nullopt : readRecord("--diurnal", options.diurnal);
    if (!natal || !diurnal) return std::nullopt;
    return requestOf(*natal, *diurnal, options, programOptions);
}

ChartRequest requestOf(const InputWindowTexts& natal, const InputWindowTexts& diurnal, const ChartOptions& options,
                       const OptionValues& programOptions) {
    ChartRequest request;
    request.natal = natal;
    request.diurnal = diurnal;
    request.houseSystem = options.house ? houseSystemFromCode(*options.house).value_or(HouseSystem::Placidus)
                                        : houseSystemFromOption(programOptions[option::HouseSystem]);
    request.secondPerson = options.secondPerson.has_value();
    request.dateOrder = dateOrderFromCode(options.dateOrder);
    return request;
}

void printInputFaults(const ChartRequest& request, bool ownDiurnal, const std::string& where) {
    for (const std::string& fault : inputWindowFaults(request.natal))
        std::cerr << where << "natal record: " << fault << "\n";
    if (!ownDiurnal) return;
    for (const std::string& fault : inputWindowFaults(request.diurnal))
        std::cerr << where << "diurnal record: " << fault << "\n";
}

std::optional<ChartTables> runCharts(const ChartOptions& options, const OptionValues& programOptions) {
    const auto request = chartRequest(options, programOptions);
    if (!request) return std::nullopt;
    const SwissEphemeris ephemeris(ephemerisPath(programFolder(options)));
    ChartRun run = computeCharts(*request, ephemeris, ChartTables{});
    printMessages(run.messages);
    if (!run.tables) printInputFaults(*request, true, "helion-cli: ");
    return run.tables;
}

}  // namespace helion::cli
