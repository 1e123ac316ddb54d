#include <CLI/CLI.hpp>

#include "cli/commands.h"

namespace helion::cli {

void addChartCommand(CLI::App& app) {
    app.add_subcommand("chart", "Compute the four chart sets and print them as JSON");
}

}  // namespace helion::cli
