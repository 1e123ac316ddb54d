// Drawing wheels: building the display list of a triple wheel and painting it into a
// 1920x1080 image, and `helion-cli wheel ... --out x.png` as a whole process.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

#include <spawn.h>
#include <sys/wait.h>

#include <filesystem>
#include <random>
#include <stdexcept>

#include "render/wheel_painter.h"
#include "wheel_samples.h"

extern char** environ;

namespace helion {
namespace {

// Argument: 0 the classic layout, 1 the spread one.
void TripleWheelBuiltAndPainted1920x1080(benchmark::State& state) {
    std::mt19937 random(7);
    std::vector<WheelInput> inputs;
    for (int i = 0; i < 16; ++i) {
        WheelInput in = test::randomInput(WheelKind::Triple, ChartType::American, random);
        in.widthPixels = 1920;
        in.heightPixels = 1080;
        in.layout = static_cast<WheelLayout>(state.range(0));
        inputs.push_back(in);
    }
    QImage image(1920, 1080, QImage::Format_ARGB32_Premultiplied);
    std::size_t next = 0;
    for (auto _ : state) {
        const WheelDrawing drawing = buildWheel(inputs[next++ % inputs.size()]);
        QPainter painter(&image);
        render::paintWheel(painter, drawing, QRectF(0, 0, 1920, 1080));
    }
}
BENCHMARK(TripleWheelBuiltAndPainted1920x1080)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void CliWheelToPngProcess(benchmark::State& state) {
    const std::string out = (std::filesystem::temp_directory_path() / "helion-bench-wheel.png").string();
    const char* argv[] = {HELION_CLI,
                          "wheel",
                          "transits-progressed-natal",
                          "--natal",
                          "Sample Chart,07 Mar 1952,10.30,A,5,74.00,40.43",
                          "--diurnal",
                          "Today,06 Dec 2026,12.00,P,5,74.00,40.43",
                          "--out",
                          out.c_str(),
                          nullptr};
    for (auto _ : state) {
        pid_t child = 0;
        if (posix_spawn(&child, HELION_CLI, nullptr, nullptr, const_cast<char**>(argv), environ) != 0)
            throw std::runtime_error("cannot start helion-cli");
        int status = 0;
        waitpid(child, &status, 0);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) throw std::runtime_error("helion-cli wheel failed");
    }
    std::filesystem::remove(out);
}
BENCHMARK(CliWheelToPngProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace helion
