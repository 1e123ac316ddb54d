// The entry point of the benchmarks that paint: Qt's offscreen platform unless another is
// asked for, and the glyph font registered as the program does, before any benchmark runs.
#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include <filesystem>

#include "render/glyph_font.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    helion::render::registerGlyphFont(std::filesystem::path(HELION_SOURCE_DIR) / "data");
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
