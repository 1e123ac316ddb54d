// One full chart computation (four chart sets, Placidus houses, the minor-progression
// search) against the same ephemeris queries replayed bare: the difference is what our
// own code (houses, lunar theory, search, bookkeeping) costs.
#include <benchmark/benchmark.h>

#include <vector>

#include "core/chart/pipeline.h"
#include "core/input/names_record.h"
#include "swe/swiss_ephemeris.h"

namespace helion {
namespace {

struct Query {
    double jd;
    int body;
    bool declination;
};

// Passes every query through to the library and records it: every library call the
// pipeline makes goes through one of these two.
class RecordingEphemeris final : public Ephemeris {
public:
    explicit RecordingEphemeris(const Ephemeris& inner) : inner_(inner) {}
    LongitudeAndSpeed longitude(double jd, int body) const override {
        queries.push_back({jd, body, false});
        return inner_.longitude(jd, body);
    }
    double declination(double jd, int body) const override {
        queries.push_back({jd, body, true});
        return inner_.declination(jd, body);
    }
    NaturalCusps housesAtArmc(HouseSystem system, double armc, double latitude, double obliquity) const override {
        return inner_.housesAtArmc(system, armc, latitude, obliquity);
    }
    mutable std::vector<Query> queries;

private:
    const Ephemeris& inner_;
};

const SwissEphemeris& ephemeris() {
    static const SwissEphemeris eph(ephemerisPath(HELION_SOURCE_DIR "/data"));
    return eph;
}

ChartRequest sampleRequest() {
    ChartRequest r;
    r.natal = *parseNamesRecord("Sample Chart,07 Mar 1952,10.30,A,5,74.00,40.43").texts;
    r.diurnal = *parseNamesRecord("Today,06 Dec 2026,12.00,P,5,74.00,40.43").texts;
    r.houseSystem = HouseSystem::Placidus;
    return r;
}

void PipelineRun(benchmark::State& state) {
    const ChartRequest request = sampleRequest();
    for (auto _ : state) benchmark::DoNotOptimize(computeCharts(request, ephemeris(), ChartTables{}));
}
BENCHMARK(PipelineRun);

void EphemerisCallsOfOneRun(benchmark::State& state) {
    const RecordingEphemeris recorder(ephemeris());
    (void)computeCharts(sampleRequest(), recorder, ChartTables{});
    const std::vector<Query> queries = recorder.queries;
    for (auto _ : state) {
        for (const Query& q : queries) {
            if (q.declination) {
                benchmark::DoNotOptimize(ephemeris().declination(q.jd, q.body));
            } else {
                benchmark::DoNotOptimize(ephemeris().longitude(q.jd, q.body));
            }
        }
    }
    state.counters["calls"] = static_cast<double>(queries.size());
}
BENCHMARK(EphemerisCallsOfOneRun);

}  // namespace
}  // namespace helion

BENCHMARK_MAIN();
