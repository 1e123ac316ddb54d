// Process start to the first window on screen, for Helion's splash window and for a bare
// Qt window, each as a fresh process per iteration. Without a display the offscreen
// platform is used; the per-user data folder is a fresh temporary one, filled by the
// first (untimed) start.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>

extern char** environ;

namespace helion {
namespace {

// Runs a probe with its Qt diagnostics sent to /dev/null.
void runToCompletion(const char* program) {
    char* argv[] = {const_cast<char*>(program), nullptr};
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t child = 0;
    const int started = posix_spawn(&child, program, &quiet, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&quiet);
    if (started != 0) throw std::runtime_error(std::string("cannot start ") + program);
    int status = 0;
    waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        throw std::runtime_error(std::string(program) + " did not end cleanly");
}

// The probes' per-user data folder, removed when the benchmark ends.
class TemporaryUserData {
public:
    TemporaryUserData() {
        std::filesystem::create_directories(folder_);
        ::setenv("XDG_DATA_HOME", folder_.c_str(), 1);
        if (std::getenv("DISPLAY") == nullptr && std::getenv("WAYLAND_DISPLAY") == nullptr)
            ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    ~TemporaryUserData() {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    TemporaryUserData(const TemporaryUserData&) = delete;
    TemporaryUserData& operator=(const TemporaryUserData&) = delete;

private:
    std::filesystem::path folder_ =
        std::filesystem::temp_directory_path() / ("helion-startup-" + std::to_string(::getpid()));
};

void prepareEnvironment() { static const TemporaryUserData userData; }

void StartUpToFirstWindow(benchmark::State& state, const char* program) {
    prepareEnvironment();
    runToCompletion(program);
    for (auto _ : state) runToCompletion(program);
}

BENCHMARK_CAPTURE(StartUpToFirstWindow, BareQtWindow, HELION_BARE_WINDOW_PROBE)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(StartUpToFirstWindow, HelionSplash, HELION_SPLASH_PROBE)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
}  // namespace helion

BENCHMARK_MAIN();
