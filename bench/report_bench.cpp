// The report writers on one computed chart: the natal data report (Beacon Society pairs
// and the aspect grid), the transits report, whose new-moon search runs the internal
// lunar theory about 150 times, and the whole Cosmodynes command (natal and progressed
// scoring, both reports and the clipboard text).
#include <benchmark/benchmark.h>

#include "core/astro/lunation_search.h"
#include "core/chart/pipeline.h"
#include "core/config/options.h"
#include "core/cosmodynes/cosmodynes_report.h"
#include "core/input/names_record.h"
#include "core/reports/natal_report.h"
#include "core/reports/transit_report.h"
#include "swe/swiss_ephemeris.h"

namespace helion {
namespace {

const ChartTables& sampleCharts() {
    static const ChartTables charts = [] {
        const SwissEphemeris ephemeris(ephemerisPath(HELION_SOURCE_DIR "/data"));
        ChartRequest r;
        r.natal = *parseNamesRecord("Sample Chart,07 Mar 1952,10.30,A,5,74.00,40.43").texts;
        r.diurnal = *parseNamesRecord("Today,06 Dec 2026,12.00,P,5,74.00,40.43").texts;
        return *computeCharts(r, ephemeris, ChartTables{}).tables;
    }();
    return charts;
}

const OptionValues& shippedOptions() {
    static const OptionValues options = loadOptions(HELION_SOURCE_DIR "/data/OPTIONS.OPT", OptionValues{}).values;
    return options;
}

void NatalDataReport(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(natalDataReport(sampleCharts(), shippedOptions()));
}
BENCHMARK(NatalDataReport);

void TransitsReport(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(transitsReport(sampleCharts(), shippedOptions()));
}
BENCHMARK(TransitsReport);

void ThirteenNewMoons(benchmark::State& state) {
    const double start = sampleCharts().diurnalMoment.t - 31.0 / 36525.0;
    for (auto _ : state) benchmark::DoNotOptimize(findNewMoons(start, 13));
}
BENCHMARK(ThirteenNewMoons);

void CosmodynesCommand(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(cosmodynesReport(sampleCharts()));
}
BENCHMARK(CosmodynesCommand);

}  // namespace
}  // namespace helion

BENCHMARK_MAIN();
