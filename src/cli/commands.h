#pragma once
// Each subcommand of helion-cli registers itself on the application; its run returns the
// status the process exits with, which the callback hands to `exitStatus`.

namespace CLI {
class App;
}

namespace helion::cli {

// Exit statuses: 0 success, 1 a problem found in the data, 2 input that cannot be used.
inline constexpr int kDataProblem = 1;
inline constexpr int kBadInput = 2;

void addChartCommand(CLI::App& app, int& exitStatus);
void addReportCommand(CLI::App& app, int& exitStatus);
void addCheckDataCommand(CLI::App& app, int& exitStatus);
void addWheelCommand(CLI::App& app, int& exitStatus);
void addAtlasCommand(CLI::App& app, int& exitStatus);
void addEventsCommand(CLI::App& app, int& exitStatus);

}  // namespace helion::cli
