#include <CLI/CLI.hpp>
#include <iostream>
#include <memory>

#include "cli/chart_json.h"
#include "cli/chart_options.h"
#include "cli/commands.h"

namespace helion::cli {

void addChartCommand(CLI::App& app) {
    auto options = std::make_shared<ChartOptions>();
    CLI::App* command = app.add_subcommand("chart", "Compute the four chart sets and print them as JSON");
    addChartOptions(*command, *options);
    command->callback([options] {
        const auto programOptions = loadProgramOptions(*options);
        if (!programOptions) return;
        if (const auto tables = runCharts(*options, *programOptions)) std::cout << chartTablesJson(*tables);
    });
}

}  // namespace helion::cli
