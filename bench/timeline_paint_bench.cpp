// Drawing the timeline: the picture of the sample chart's year (every kind but the Moon's
// transits) built from its events and painted into a 1920x1080 image, as a full-HD window
// shows it; the search itself is timed in events_bench.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

#include <filesystem>

#include "core/chart/pipeline.h"
#include "core/config/orb_file.h"
#include "core/events/event_finder.h"
#include "core/events/timeline_picture.h"
#include "core/input/names_record.h"
#include "render/wheel_painter.h"
#include "swe/swiss_ephemeris.h"

namespace helion {
namespace {

const std::filesystem::path kDataFolder = HELION_SOURCE_DIR "/data";

struct SampleYear {
    EventPeriod period;
    std::vector<Event> events;
};

SampleYear sampleYear() {
    const SwissEphemeris ephemeris(ephemerisPath(kDataFolder));
    ChartRequest chart;
    chart.natal = *parseNamesRecord("Sample Chart,07 Mar 1952,10.30,A,5,74.00,40.43").texts;
    chart.diurnal = *parseNamesRecord("Today,06 Dec 2026,12.00,P,5,74.00,40.43").texts;
    const ChartTables charts = *computeCharts(chart, ephemeris, ChartTables{}).tables;
    EventRequest request;
    request.natal = natalFrameOf(charts);
    request.natalCusp = charts.natal.cusp;
    request.period = periodOfLocalDays({2026, 1, 1}, {2026, 12, 31}, 5.0);
    request.transitOrbs = loadOrbTable(kDataFolder / orb_file::NatalTransits).table;
    request.progressedOrbs = loadOrbTable(kDataFolder / orb_file::NatalProgressed).table;
    request.solarArcOrbs = loadOrbTable(kDataFolder / orb_file::NatalMinorProgressed).table;
    return {request.period, findEvents(request, ephemeris, ephemeris).events};
}

void YearTimelineBuiltAndPainted1920x1080(benchmark::State& state) {
    const SampleYear year = sampleYear();
    const double today = year.period.fromJdUt + 150.0;
    QImage image(1920, 1080, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        const TimelinePicture picture = buildTimelinePicture({&year.events, year.period, 5.0, today, 1920, 1080});
        QPainter painter(&image);
        render::paintDisplayList(painter, picture.primitives, picture.frame, picture.background,
                                 QRectF(0, 0, 1920, picture.frame.top - picture.frame.bottom));
    }
    state.counters["events"] = static_cast<double>(year.events.size());
}
BENCHMARK(YearTimelineBuiltAndPainted1920x1080)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace helion
