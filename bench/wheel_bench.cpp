// The wheel's display list: building a triple wheel from random charts, and the layout of
// 10,000 random charts per wheel kind, reported as counters: glyphs starting outside their
// ring's band, pairs of glyph stacks of one ring that touch, and glyph stacks touching a
// cusp label.
#include <benchmark/benchmark.h>

#include <random>

#include "core/wheels/wheel_drawing.h"
#include "wheel_samples.h"

namespace helion {
namespace {

// Argument: 0 the classic layout, 1 the spread one.
void TripleWheelDisplayList(benchmark::State& state) {
    std::mt19937 random(7);
    std::vector<WheelInput> inputs;
    for (int i = 0; i < 64; ++i) {
        inputs.push_back(test::randomInput(WheelKind::Triple, ChartType::American, random));
        inputs.back().layout = static_cast<WheelLayout>(state.range(0));
    }
    std::size_t next = 0;
    for (auto _ : state) benchmark::DoNotOptimize(buildWheel(inputs[next++ % inputs.size()]));
}
BENCHMARK(TripleWheelDisplayList)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void LayoutOfRandomCharts(benchmark::State& state) {
    const auto kind = static_cast<WheelKind>(state.range(0));
    const auto type = static_cast<ChartType>(state.range(1));
    test::LayoutFaults total;
    for (auto _ : state) {
        std::mt19937 random(2026);
        total = {};
        for (int i = 0; i < 10000; ++i) {
            const WheelInput in = test::randomInput(kind, type, random);
            test::checkLayout(in, buildWheel(in), total);
        }
    }
    state.counters["outside_band"] = total.outsideBand;
    state.counters["overlapping_stacks"] = total.overlappingStacks;
    state.counters["labels_over_stacks"] = total.labelsOverStacks;
}
BENCHMARK(LayoutOfRandomCharts)
    ->Args({0, 0})
    ->Args({0, 1})
    ->Args({1, 0})
    ->Args({2, 0})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace helion
BENCHMARK_MAIN();
