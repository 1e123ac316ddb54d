#pragma once
// The input options shared by the commands that compute charts: the two records, the
// house system, the second-person box, the regional date order and the program folder.

#include <filesystem>
#include <optional>
#include <string>

#include "core/app/message.h"
#include "core/app/options.h"
#include "core/astro/pipeline.h"

namespace CLI {
class App;
}

namespace helion::cli {

struct ChartOptions {
    std::string natal;
    std::string diurnal;
    char house = 'P';
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

// Reads both records into a chart request; on failure prints what is wrong on standard
// error, sets the bad-input exit status and returns nothing.
std::optional<ChartRequest> chartRequest(const ChartOptions& options);

// Runs the computation; validation messages and notices go to standard error. Returns
// the tables, or nothing (with the bad-input exit status) when the input was refused.
std::optional<ChartTables> runCharts(const ChartOptions& options);

void printMessages(const std::vector<Message>& messages);

// The options file of the program folder; when it cannot be used, its messages go to
// standard error with the data-problem exit status and nothing is returned.
std::optional<OptionValues> loadProgramOptions(const ChartOptions& chart);

}  // namespace helion::cli
