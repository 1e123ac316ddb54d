// helion-cli events: the timeline of a natal chart over a period, as the Data window's
// report, as one JSON object per event, or as the timeline picture in a PNG, SVG or PDF file.
#include <CLI/CLI.hpp>
#include <iostream>
#include <memory>

#include "cli/chart_options.h"
#include "cli/commands.h"
#include "cli/event_json.h"
#include "cli/wheel_image.h"
#include "core/base/atomic_write.h"
#include "core/config/orb_file.h"
#include "core/events/event_finder.h"
#include "core/events/timeline_picture.h"
#include "core/events/timeline_report.h"
#include "core/input/names_record.h"
#include "swe/swiss_ephemeris.h"

namespace helion::cli {
namespace {

struct EventsOptions {
    ChartOptions chart;
    std::string from;
    std::string to;
    std::string kinds;
    bool json = false;
    std::string out;
};

// The picture is laid out for a full-HD screen; it grows taller with its rows.
constexpr int kPictureWidth = 1920;
constexpr int kPictureHeight = 1080;

// The diurnal record's moment stands for today, so the same command draws the same picture.
int writePicture(const EventsOptions& options, const ChartTables& charts, const EventPeriod& period,
                 const std::vector<Event>& events) {
    const WheelPainting painting(programFolder(options.chart));
    if (!painting.glyphFontReady()) return kBadInput;
    const TimelinePicture picture = buildTimelinePicture(
        {&events, period, charts.diurnalInput.zone, charts.diurnalMoment.jd, kPictureWidth, kPictureHeight});
    const std::string content = render::timelinePictureFile(picture, *imageFormatOf(options.out));
    if (const FileWrite written = writeFileAtomically(options.out, content); !written) {
        std::cerr << "helion-cli: cannot write " << options.out << ": " << written.failure << "\n";
        return kBadInput;
    }
    return 0;
}

std::optional<CalendarDate> readDate(const char* option, const std::string& text) {
    const std::optional<CalendarDate> date = parseNamesDate(text);
    if (!date) std::cerr << "helion-cli: " << option << ": '" << text << "' is not a date of the form dd mmm yyyy\n";
    return date;
}

// The three orb files of the program folder; a file that cannot be used is reported and
// leaves no orb.
OrbTable orbsOf(const std::filesystem::path& folder, std::string_view file) {
    const OrbTableLoad load = loadOrbTable(folder / file);
    printMessages(load.messages);
    return load.table;
}

int runEvents(const EventsOptions& options) {
    const auto first = readDate("--from", options.from);
    const auto last = readDate("--to", options.to);
    const auto choices =
        options.kinds.empty() ? std::optional(EventChoices::usual()) : parseEventChoices(options.kinds);
    if (!choices) std::cerr << "helion-cli: --kinds: '" << options.kinds << "' names an unknown kind\n";
    const bool pictureNamed = options.out.empty() || imageFormatOf(options.out);
    if (!pictureNamed) std::cerr << "helion-cli: --out: expected FILE.png, FILE.svg or FILE.pdf\n";
    if (!first || !last || !choices || !pictureNamed) return kBadInput;
    const std::optional<OptionValues> values = loadProgramOptions(options.chart);
    if (!values) return kDataProblem;
    const std::optional<ChartTables> charts = runCharts(options.chart, *values);
    if (!charts) return kBadInput;

    const std::filesystem::path folder = programFolder(options.chart);
    EventRequest request;
    request.natal = natalFrameOf(*charts);
    request.natalCusp = charts->natal.cusp;
    request.period = periodOfLocalDays(*first, *last, charts->diurnalInput.zone);
    request.choices = *choices;
    request.transitOrbs = orbsOf(folder, orb_file::NatalTransits);
    request.progressedOrbs = orbsOf(folder, orb_file::NatalProgressed);
    request.solarArcOrbs = orbsOf(folder, orb_file::NatalMinorProgressed);
    const SwissEphemeris ephemeris(ephemerisPath(folder));
    const EventSearch search = findEvents(request, ephemeris, ephemeris);
    printMessages(search.messages);
    if (search.events.empty() && !search.messages.empty()) return kBadInput;
    if (!options.out.empty()) return writePicture(options, *charts, request.period, search.events);
    if (options.json) {
        for (const Event& e : search.events) std::cout << eventJson(e, charts->diurnalInput.zone) << "\n";
        return 0;
    }
    for (const std::string& line :
         timelineReport(*charts, request.period, search.events, TimelineOrder::ByDate).lines) {
        std::cout << line << "\n";
    }
    return 0;
}

}  // namespace

void addEventsCommand(CLI::App& app, int& exitStatus) {
    auto options = std::make_shared<EventsOptions>();
    CLI::App* command = app.add_subcommand(
        "events", "Timeline of transits, stations, ingresses, lunations, eclipses, progressions and solar arcs");
    addChartOptions(*command, options->chart);
    command->add_option("--from", options->from, "First day of the period, dd mmm yyyy (diurnal zone)")->required();
    command->add_option("--to", options->to, "Last day of the period, dd mmm yyyy")->required();
    command->add_option("--kinds", options->kinds,
                        "Kinds, joined by commas: transits,moon,stations,ingresses,houses,lunations,eclipses,"
                        "progressions,solar-arc (default: all but moon)");
    CLI::Option* json = command->add_flag("--json", options->json, "One JSON object per event per line, in date order");
    command->add_option("--out", options->out, "Write the timeline picture to FILE.png, FILE.svg or FILE.pdf")
        ->excludes(json);
    command->callback([options, &exitStatus] { exitStatus = runEvents(*options); });
}

}  // namespace helion::cli
