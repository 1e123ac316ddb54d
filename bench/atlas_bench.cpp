// The atlas over the shipped place list (118,486 places, the large ones with their other
// names): loading the list, and one keystroke's search over the whole of it for the
// window's list of 200 places. A query that matches nothing scans every place and every
// other name, the worst case of a keystroke.
#include <benchmark/benchmark.h>

#include "core/atlas/place_list.h"
#include "core/atlas/place_search.h"

namespace helion {
namespace {

const PlaceList& shippedPlaces() {
    static const PlaceList list = loadPlaceList(HELION_SOURCE_DIR "/data/ATLAS.DAT").list;
    return list;
}

void LoadPlaceList(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(loadPlaceList(HELION_SOURCE_DIR "/data/ATLAS.DAT"));
}
BENCHMARK(LoadPlaceList)->Unit(benchmark::kMillisecond);

void SearchKeystroke(benchmark::State& state, const char* query) {
    const PlaceList& list = shippedPlaces();
    for (auto _ : state) benchmark::DoNotOptimize(searchPlaces(list, query, 200));
}
BENCHMARK_CAPTURE(SearchKeystroke, first_letter, "l")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SearchKeystroke, word, "london")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SearchKeystroke, diacritics, "Sao Paulo")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SearchKeystroke, other_name, "bombay")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SearchKeystroke, narrowed, "springfield, il")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SearchKeystroke, region_name, "atlanta, georgia")->Unit(benchmark::kMillisecond);
// Only a rare region: every place is weighed against it.
BENCHMARK_CAPTURE(SearchKeystroke, rare_region_only, ", gisborne")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SearchKeystroke, no_match, "qqqq")->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace helion

BENCHMARK_MAIN();
