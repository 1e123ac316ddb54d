// helion-cli events: the timeline of a natal chart over a period, as the Data window's
// report or as one JSON object per event.
#include <CLI/CLI.hpp>
#include <iostream>
#include <memory>

#include "cli/chart_options.h"
#include "cli/commands.h"
#include "cli/event_json.h"
#include "core/config/orb_file.h"
#include "core/events/event_finder.h"
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
};

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
    if (!first || !last || !choices) return kBadInput;
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
    command->add_flag("--json", options->json, "One JSON object per event per line, in date order");
    command->callback([options, &exitStatus] { exitStatus = runEvents(*options); });
}

}  // namespace helion::cli
