// helion-cli: the command-line front end over the same core as the desktop program.
#include <CLI/CLI.hpp>
#include <clocale>

#include "cli/commands.h"
#include "swe/program_version.h"

int main(int argc, char** argv) {
    // The user's locale, as the desktop program runs under it: every number the program
    // reads or writes must come out alike whatever its decimal separator.
    std::setlocale(LC_ALL, "");
    CLI::App app{"Helion - Western tropical astrology from the command line"};
    app.set_version_flag("--version", helion::versionText());
    app.require_subcommand(1);
    helion::cli::addChartCommand(app);
    helion::cli::addReportCommand(app);
    helion::cli::addCheckDataCommand(app);
    helion::cli::addWheelCommand(app);
    helion::cli::addAtlasCommand(app);
    helion::cli::addEventsCommand(app);
    CLI11_PARSE(app, argc, argv);
    return helion::cli::exitStatus();
}
