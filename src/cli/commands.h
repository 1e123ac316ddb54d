#pragma once
// Each subcommand of helion-cli registers itself on the application and records the
// status the process exits with.

namespace CLI {
class App;
}

namespace helion::cli {

// Exit statuses: 0 success, 1 a problem found in the data, 2 input that cannot be used.
inline constexpr int kDataProblem = 1;
inline constexpr int kBadInput = 2;

void addChartCommand(CLI::App& app);
void addReportCommand(CLI::App& app);
void addCheckDataCommand(CLI::App& app);
void addWheelCommand(CLI::App& app);
void addAtlasCommand(CLI::App& app);
void addEventsCommand(CLI::App& app);

void setExitStatus(int status);
int exitStatus();

}  // namespace helion::cli
