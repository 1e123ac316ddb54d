// The timeline search for the sample chart: a year of every kind but the Moon's transits,
// a year of the Moon's transits, and a century of progressions and solar arcs.
#include <benchmark/benchmark.h>

#include "core/chart/pipeline.h"
#include "core/config/orb_file.h"
#include "core/events/event_finder.h"
#include "core/input/names_record.h"
#include "swe/swiss_ephemeris.h"

namespace helion {
namespace {

const SwissEphemeris& ephemeris() {
    static const SwissEphemeris eph(ephemerisPath(HELION_SOURCE_DIR "/data"));
    return eph;
}

EventRequest sampleRequest(EventChoices choices, int years) {
    ChartRequest chart;
    chart.natal = *parseNamesRecord("Sample Chart,07 Mar 1952,10.30,A,5,74.00,40.43").texts;
    chart.diurnal = *parseNamesRecord("Today,06 Dec 2026,12.00,P,5,74.00,40.43").texts;
    const ChartTables charts = *computeCharts(chart, ephemeris(), ChartTables{}).tables;
    EventRequest request;
    request.natal = natalFrameOf(charts);
    request.natalCusp = charts.natal.cusp;
    request.period = periodOfLocalDays({2026, 1, 1}, {2025 + years, 12, 31}, 5.0);
    request.choices = choices;
    const auto orbs = [](std::string_view file) {
        return loadOrbTable(std::filesystem::path(HELION_SOURCE_DIR "/data") / file).table;
    };
    request.transitOrbs = orbs(orb_file::NatalTransits);
    request.progressedOrbs = orbs(orb_file::NatalProgressed);
    request.solarArcOrbs = orbs(orb_file::NatalMinorProgressed);
    return request;
}

// Counts the positions asked of the library and how often the moment asked changes from
// one to the next: the library redoes its work for a moment (the nutation, the Earth's
// place) at each change. Unlike the time, neither depends on how busy the machine is.
class CountingEphemeris final : public Ephemeris {
public:
    explicit CountingEphemeris(const Ephemeris& inner) : inner_(inner) {}
    mutable long calls = 0;
    mutable long moments = 0;

    LongitudeAndSpeed longitude(double jdUt, int body) const override {
        count(jdUt);
        return inner_.longitude(jdUt, body);
    }
    double longitudeWithoutSpeed(double jdUt, int body) const override {
        count(jdUt);
        return inner_.longitudeWithoutSpeed(jdUt, body);
    }
    double declination(double jdUt, int body) const override {
        count(jdUt);
        return inner_.declination(jdUt, body);
    }
    NaturalCusps housesAtArmc(HouseSystem system, double armcDeg, double latitudeDeg,
                              double obliquityDeg) const override {
        return inner_.housesAtArmc(system, armcDeg, latitudeDeg, obliquityDeg);
    }

private:
    void count(double jdUt) const {
        ++calls;
        if (jdUt != last_) ++moments;
        last_ = jdUt;
    }

    const Ephemeris& inner_;
    mutable double last_ = 0.0;
};

void runSearch(benchmark::State& state, const EventRequest& request) {
    std::size_t events = 0;
    for (auto _ : state) events = findEvents(request, ephemeris(), ephemeris()).events.size();
    state.counters["events"] = static_cast<double>(events);
    const CountingEphemeris counting(ephemeris());
    findEvents(request, counting, ephemeris());
    state.counters["positions"] = static_cast<double>(counting.calls);
    state.counters["moments"] = static_cast<double>(counting.moments);
}

void YearOfEverythingButTheMoon(benchmark::State& state) { runSearch(state, sampleRequest(EventChoices::usual(), 1)); }
BENCHMARK(YearOfEverythingButTheMoon)->Unit(benchmark::kMillisecond);

void YearOfTheMoonsTransits(benchmark::State& state) {
    EventChoices moon;
    moon.set(EventChoice::Moon);
    runSearch(state, sampleRequest(moon, 1));
}
BENCHMARK(YearOfTheMoonsTransits)->Unit(benchmark::kMillisecond);

void CenturyOfProgressionsAndSolarArcs(benchmark::State& state) {
    EventChoices directed;
    directed.set(EventChoice::Progressions);
    directed.set(EventChoice::SolarArc);
    runSearch(state, sampleRequest(directed, 100));
}
BENCHMARK(CenturyOfProgressionsAndSolarArcs)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace helion

BENCHMARK_MAIN();
