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
    int exitStatus = 0;
    helion::cli::addChartCommand(app, exitStatus);
    helion::cli::addReportCommand(app, exitStatus);
    helion::cli::addCheckDataCommand(app, exitStatus);
    helion::cli::addWheelCommand(app, exitStatus);
    helion::cli::addAtlasCommand(app, exitStatus);
    helion::cli::addEventsCommand(app, exitStatus);
    CLI11_PARSE(app, argc, argv);
    return exitStatus;
}
