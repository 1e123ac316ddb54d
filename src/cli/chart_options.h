#pragma once
// The input options shared by the commands that compute charts: the two records, the
// house system, the second-person box, the regional date order and the program folder.

#include <filesystem>
#include <optional>
#include <string>

#include <vector>

#include "core/base/message.h"
#include "core/chart/pipeline.h"
#include "core/config/options.h"
#include "core/input/chart_input.h"

namespace CLI {
class App;
}

namespace helion::cli {

struct ChartOptions {
    std::string natal;
    std::string diurnal;
    // --names FILE --record NAME: the natal record taken by name from a names file.
    std::string names;
    std::string record;
    // Nothing: the house system of the program folder's options.
    std::optional<char> house;
    // Given when the diurnal record is a second person: the caption of the diurnal
    // window's second-person box, empty for its own caption.
    std::optional<std::string> secondPerson;
    int dateOrder = 0;
    std::string folder;
};

void addChartOptions(CLI::App& command, ChartOptions& options);

// The caption of the second-person box: the one given, or "2nd Person".
std::string secondPersonCaption(const ChartOptions& options);

// The program folder: --folder, or the one the running program resolves (its own
// folder, or the per-user folder filled from the shipped data).
std::filesystem::path programFolder(const ChartOptions& options);

// Each message on a line of standard error, caption first.
void printMessages(const std::vector<Message>& messages);

// The options file of the program folder; on a problem prints it and returns nothing
// (the command ends with the data-problem status).
std::optional<OptionValues> loadProgramOptions(const ChartOptions& options);

// A chart request for two records read already, with the house system, second person and
// date order of the options.
ChartRequest requestOf(const InputWindowTexts& natal, const InputWindowTexts& diurnal, const ChartOptions& options,
                       const OptionValues& programOptions);

// Reads both records into a chart request, with the house system of --house or else the
// one the program options choose; on failure prints what is wrong on standard error and
// returns nothing (the command ends with the bad-input status).
std::optional<ChartRequest> chartRequest(const ChartOptions& options, const OptionValues& programOptions);

// The window's own message names no field: after it, each line starts with `where` and
// says which record and what the input checks refuse in it, with the accepted limit.
// The diurnal record is left out when it is the natal one charted against itself.
void printInputFaults(const ChartRequest& request, bool ownDiurnal, const std::string& where);

// Runs the computation; validation messages and notices go to standard error. Returns
// the tables, or nothing (the command ends with the bad-input status) when the input was
// refused.
std::optional<ChartTables> runCharts(const ChartOptions& options, const OptionValues& programOptions);

}  // namespace helion::cli
