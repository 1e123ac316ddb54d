// helion-cli atlas: the places that match a query, best first, with the offset in
// force at a local date and clock time, from the same reasoning as helion-atlas.
#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include <ctime>
#include <iostream>
#include <memory>

#include "cli/commands.h"
#include "core/atlas/atlas_result.h"
#include "core/atlas/coordinate_text.h"
#include "core/atlas/offset_text.h"
#include "core/atlas/place_answer.h"
#include "core/atlas/place_search.h"
#include "core/config/program_folder.h"
#include "core/input/names_record.h"
#include "tz/qt_zone_history.h"

namespace helion::cli {
namespace {

struct AtlasOptions {
    std::string query;
    std::string date;  // empty: today
    std::string time = "12.00";
    std::string amPm = "P";
    bool json = false;
    std::size_t limit = 20;
    std::string atlasFile;  // empty: the shipped ATLAS.DAT
};

std::string today() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    // The program's own month names: strftime's follow the process locale ("Dez").
    return namesDateText(local.tm_mday, local.tm_mon + 1, local.tm_year + 1900);
}

std::filesystem::path atlasFile(const AtlasOptions& options) {
    if (!options.atlasFile.empty()) return options.atlasFile;
    const auto shipped = findShippedData(executableDirectory());
    return shipped.value_or(executableDirectory()) / kAtlasFile;
}

nlohmann::json placeJson(const PlaceList& list, const Place& place, const PlaceAnswer& answer) {
    return {{"name", place.name},
            {"region", regionOf(list, place)},
            {"region_code", place.region},
            {"country", countryOf(list, place)},
            {"latitude", place.latitudeDeg},
            {"longitude", place.longitudeDeg},
            {"zone", zoneOf(list, place)},
            {"offset_hours", answer.offset ? nlohmann::json(answer.offset->hoursWest) : nlohmann::json(nullptr)},
            {"reason", answer.reason},
            {"warnings", answer.warnings}};
}

void printPlace(const PlaceList& list, const PlaceMatch& match, const PlaceAnswer& answer) {
    const Place& place = list.places[match.place];
    std::cout << placeTitle(list, place, matchedName(list, match)) << "  "
              << displayText(latitudeDegreesMinutes(place.latitudeDeg)) << "  "
              << displayText(longitudeDegreesMinutes(place.longitudeDeg)) << "  " << zoneOf(list, place) << "  "
              << (answer.offset ? hoursText(answer.offset->hoursWest) + "  " : "") << answer.reason << '\n';
    for (const auto& warning : answer.warnings) std::cout << "  warning: " << warning << '\n';
}

int runAtlas(const AtlasOptions& options) {
    const LocalMomentRead read =
        readLocalMoment(options.date.empty() ? today() : options.date, options.time, options.amPm);
    if (!read.moment) {
        std::cerr << "helion-cli: " << read.error << '\n';
        return kBadInput;
    }
    const PlaceListLoad load = loadPlaceList(atlasFile(options));
    if (!load.error.empty()) {
        std::cerr << "Error! " << load.error << '\n';
        return kBadInput;
    }
    const QtZoneHistory history;
    const auto found = searchPlaces(load.list, options.query, options.limit);
    for (const PlaceMatch& match : found) {
        const Place& place = load.list.places[match.place];
        const PlaceAnswer answer = answerFor(history, load.list, place, *read.moment);
        if (options.json) {
            std::cout << placeJson(load.list, place, answer).dump() << '\n';
        } else {
            printPlace(load.list, match, answer);
        }
    }
    if (!found.empty()) return 0;
    std::cerr << "No place matches '" << options.query << "'.\n";
    return 1;
}

}  // namespace

void addAtlasCommand(CLI::App& app, int& exitStatus) {
    auto options = std::make_shared<AtlasOptions>();
    auto* command = app.add_subcommand(
        "atlas", "Find places by name, best first, with their time zone and the offset in force at a local moment");
    command->add_option("query", options->query, "Place name, or its beginning; \"name, region or country\" narrows it")
        ->required();
    command->add_option("--date", options->date, "Local date \"dd mmm yyyy\" (default: today)");
    command->add_option("--time", options->time, "Local clock time H.MM on the 12-hour clock (default: 12.00)");
    command->add_option("--ampm", options->amPm, "A for A.M., P for P.M. (default: P)");
    command->add_flag("--json", options->json, "One JSON object per place and line");
    command->add_option("--limit", options->limit, "Most places to list (default: 20)")->check(CLI::Range(1, 1000000));
    command->add_option("--atlas", options->atlasFile, "The place list to search (default: the shipped ATLAS.DAT)");
    command->callback([options, &exitStatus] { exitStatus = runAtlas(*options); });
}

}  // namespace helion::cli
