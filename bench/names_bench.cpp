// The names file at scale: a file of 100,000 people read and listed in the Names window,
// and helion-cli charting every record of a 10,000-record file (one process per
// iteration, its JSON sent to /dev/null). The batch is timed by the child's own CPU time,
// user and system: the work of one core, whatever else the machine runs meanwhile.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QListWidget>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

#include "message_boxes/message_boxes.h"
#include "ui/names_window.h"
#include "ui/session.h"

extern char** environ;

namespace helion {
namespace {

// People born on many days and hours, at places spread over the world, each zone on the
// side of Greenwich its longitude lies.
std::filesystem::path namesFile(int records) {
    const auto file = std::filesystem::temp_directory_path() /
                      ("helion-bench-" + std::to_string(::getpid()) + "-" + std::to_string(records) + ".FIL");
    std::ofstream out(file, std::ios::binary);
    const char* months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    for (int i = 0; i < records; ++i) {
        out << "Person " << i << "," << (i % 28 + 1) << " " << months[i % 12] << " " << (1900 + i % 120) << ","
            << (i % 12 + 1) << "." << (i % 60 < 10 ? "0" : "") << i % 60 << "," << (i % 2 ? "A" : "P") << ","
            << (i % 2 ? -(i % 12) : i % 12) << "," << (i % 2 ? "-" : "") << i % 180 << "." << (i % 6) << "0," << i % 60
            << ".15\r\n";
    }
    return file;
}

void NamesWindowList(benchmark::State& state) {
    const auto file = namesFile(100000);
    ui::QtMessageBoxes messages;
    ui::Session session;
    session.messages = &messages;
    session.state.settings.dataFile = file.string();
    ui::NamesWindow window(session);
    for (auto _ : state) window.fillList();
    state.counters["names"] = static_cast<double>(window.findChild<QListWidget*>("NamesOnFile")->count());
    std::filesystem::remove(file);
}
BENCHMARK(NamesWindowList)->Unit(benchmark::kMillisecond);

void ChartEveryRecord(benchmark::State& state) {
    constexpr int kRecords = 10000;
    const auto file = namesFile(kRecords);
    std::string names = file.string();
    char* argv[] = {const_cast<char*>(HELION_CLI),
                    const_cast<char*>("chart"),
                    const_cast<char*>("--names"),
                    names.data(),
                    const_cast<char*>("--all"),
                    const_cast<char*>("--folder"),
                    const_cast<char*>(HELION_SOURCE_DIR "/data"),
                    nullptr};
    double cpuSeconds = 0;
    for (auto _ : state) {
        posix_spawn_file_actions_t quiet;
        posix_spawn_file_actions_init(&quiet);
        posix_spawn_file_actions_addopen(&quiet, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
        pid_t child = 0;
        if (posix_spawn(&child, HELION_CLI, &quiet, nullptr, argv, environ) != 0)
            throw std::runtime_error("cannot start helion-cli");
        posix_spawn_file_actions_destroy(&quiet);
        int status = 0;
        rusage usage{};
        wait4(child, &status, 0, &usage);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) throw std::runtime_error("helion-cli failed");
        const double seconds = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                               static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) * 1e-6;
        state.SetIterationTime(seconds);
        cpuSeconds += seconds;
    }
    state.counters["charts/s"] = static_cast<double>(kRecords) * static_cast<double>(state.iterations()) / cpuSeconds;
    std::filesystem::remove(file);
}
BENCHMARK(ChartEveryRecord)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);

}  // namespace
}  // namespace helion

int main(int argc, char** argv) {
    if (std::getenv("DISPLAY") == nullptr && std::getenv("WAYLAND_DISPLAY") == nullptr)
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
