#include "core/app/data_check.h"

#include <algorithm>
#include <cctype>
#include <set>
#include <span>

#include "core/app/value_ranges.h"
#include "core/atlas/place_list.h"
#include "core/base/file_error.h"
#include "core/base/numeric_text.h"
#include "core/input/chart_input.h"

#include "core/base/text_file.h"
#include "core/config/help_files.h"
#include "core/config/options.h"
#include "core/config/orb_file.h"
#include "core/config/settings.h"
#include "core/config/wheel_data_tables.h"
#include "core/input/cities_file.h"
#include "core/input/names_file.h"
#include "core/input/names_record.h"
#include "core/input/time_zone_table.h"
#include "core/wheels/wheel_options.h"
#include "core/wheels/wheel_tables.h"

namespace helion {

namespace {

std::string counted(std::size_t count, std::string_view what) {
    return std::to_string(count) + " " + std::string(what);
}

void addMessages(const std::vector<Message>& messages, FileCheck& check) {
    for (const auto& message : messages) check.problems.push_back({0, message.text});
}

void sortByLine(std::vector<LineProblem>& problems) { std::ranges::stable_sort(problems, {}, &LineProblem::line); }

// A file that holds fewer value lines than it has entries leaves the others unset.
void checkCount(std::size_t read, int entries, std::string_view what, FileCheck& check) {
    if (read == 0 || read >= static_cast<std::size_t>(entries)) return;
    check.problems.push_back({0, "holds " + std::to_string(read) + " value lines of " + std::to_string(entries) + ": " +
                                     std::string(what) + " " + std::to_string(read + 1) + " to " +
                                     std::to_string(entries) + " are not set by it"});
}

// What the check of a value file names and measures its values against.
struct ValueFileRules {
    std::string_view entryName;  // "entries", "orbs"
    std::vector<std::span<const ValueRange>> ranges;
};

FileCheck checkValueFile(const std::filesystem::path& file, const ValueTableRead& read, std::span<const float> entries,
                         const ValueFileRules& rules) {
    FileCheck check{fileNameOf(file), {}, read.problems, {}};
    addMessages(read.messages, check);
    if (!read.messages.empty()) return check;
    check.loaded = counted(read.valuesRead, std::string(rules.entryName) + " read");
    const auto values = entries.subspan(1, read.valuesRead);
    for (const auto ranges : rules.ranges)
        for (auto& problem : valuesOutsideRanges(values, ranges)) check.problems.push_back(std::move(problem));
    sortByLine(check.problems);
    checkCount(read.valuesRead, static_cast<int>(entries.size()) - 1, rules.entryName, check);
    return check;
}

FileCheck checkOptions(const std::filesystem::path& file) {
    const OptionsLoad load = loadOptions(file);
    return checkValueFile(file, load, load.values.value, {"entries", {optionRanges(), wheelOptionRanges()}});
}

FileCheck checkOrbs(const std::filesystem::path& file) {
    const OrbTableLoad load = loadOrbTable(file);
    return checkValueFile(file, load, load.table.orb, {"orbs", {orbRanges()}});
}

void warnWhenEmpty(std::size_t entries, std::string_view what, FileCheck& check) {
    if (entries == 0 && check.problems.empty()) check.warnings.push_back({0, "the file holds no " + std::string(what)});
}

FileCheck checkTimeZones(const std::filesystem::path& file) {
    const TimeZoneTable table = loadTimeZoneTable(file);
    FileCheck check{fileNameOf(file), counted(table.zones.size(), "time zones"), table.problems, {}};
    for (const auto& zone : table.zones) {
        const double hours = numericValue(zone.offset);
        if (hours < kLowestZoneHours || hours > kHighestZoneHours)
            check.problems.push_back({zone.line, "the offset " + zone.offset +
                                                     " is outside -13 to 12 hours, which the input windows refuse"});
    }
    sortByLine(check.problems);
    warnWhenEmpty(table.zones.size(), "time zones", check);
    return check;
}

FileCheck checkCities(const std::filesystem::path& file) {
    const CitiesFile cities = loadCitiesFile(file);
    FileCheck check{fileNameOf(file), counted(cities.records.size(), "places"), cities.problems, {}};
    for (const auto& city : cities.records)
        for (const auto& fault : decodeCity(city).faults) check.problems.push_back({city.line, fault});
    warnWhenEmpty(cities.records.size(), "places", check);
    return check;
}

FileCheck checkNames(const std::filesystem::path& file) {
    const NamesFile names = loadNamesFile(file);
    FileCheck check{fileNameOf(file), counted(names.records.size(), "names"), names.problems, {}};
    for (const auto& record : names.records) {
        const auto parse = parseNamesRecord(record.text);
        if (!parse.texts) {
            check.problems.push_back({record.line, parse.error});
            continue;
        }
        for (const std::string& fault : inputWindowFaults(*parse.texts))
            check.problems.push_back({record.line, "the chart computation refuses the record: " + fault});
    }
    warnWhenEmpty(names.records.size(), "names", check);
    return check;
}

FileCheck checkSettings(const std::filesystem::path& folder) {
    const SettingsRead read = readSettings(folder);
    FileCheck check{std::string(kSettingsFile), read.error ? "" : "settings read", read.problems, {}};
    if (read.error) check.problems.push_back({0, read.error->text});
    return check;
}

FileCheck checkHelpText(const std::filesystem::path& file) {
    const auto text = readTextFile(file);
    FileCheck check{fileNameOf(file), {}, {}, {}};
    if (!text)
        check.problems.push_back({0, "the file cannot be read: " + whyUnreadable(file)});
    else if (!looksLikeText(*text))
        check.problems.push_back({0, "not a text file"});
    else if (splitLines(*text).empty())
        check.problems.push_back({0, "the file is empty"});
    else
        check.loaded = counted(splitLines(*text).size(), "lines");
    return check;
}

// A wheel table must give every one of its values, each inside the frame it is drawn in.
FileCheck checkWheelTable(const std::filesystem::path& folder, WheelTable table, std::size_t entries) {
    const std::string name(wheelTableFile(table));
    const IntegerTableRead read = readIntegerTable(folder / name, entries);
    FileCheck check{name, {}, wheelTableProblems(table, read), {}};
    if (!read.missing && !read.fault) check.loaded = counted(read.values.size(), "values");
    return check;
}

// One damaged line makes the atlas refuse its whole place list, so that line is named.
FileCheck checkPlaceList(const std::filesystem::path& file) {
    FileCheck check{fileNameOf(file), {}, {}, {}};
    const auto text = readTextFile(file);
    if (!text) {
        check.problems.push_back({0, "the file cannot be read: " + whyUnreadable(file)});
        return check;
    }
    const PlaceListParse parse = parsePlaceList(*text);
    if (parse.problem)
        check.problems.push_back(*parse.problem);
    else if (parse.list.places.empty())
        check.problems.push_back({0, "the file holds no places"});
    else
        check.loaded = counted(parse.list.places.size(), "places");
    return check;
}

std::string upper(std::string text) {
    std::ranges::transform(text, text.begin(), [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

// The folder's files with this extension (any case) and the shipped ones, sorted.
std::vector<std::filesystem::path> filesOf(const std::filesystem::path& folder, std::string_view extension,
                                           std::initializer_list<std::string_view> shipped) {
    std::set<std::filesystem::path> files;
    for (const auto name : shipped) files.insert(folder / name);
    std::error_code error;
    for (std::filesystem::directory_iterator entry(folder, error), end; !error && entry != end; entry.increment(error))
        if (upper(entry->path().extension().string()) == extension) files.insert(entry->path());
    return {files.begin(), files.end()};
}

}  // namespace

std::vector<FileCheck> checkDataFolder(const std::filesystem::path& folder) {
    std::vector<FileCheck> checks;
    checks.push_back(checkOptions(folder / kOptionsFile));
    checks.push_back(checkOptions(folder / kOptionsMasterFile));
    for (const auto& file : filesOf(folder, ".ORB",
                                    {orb_file::Natal, orb_file::NatalProgressed, orb_file::NatalMinorProgressed,
                                     orb_file::NatalTransits, orb_file::Synastry}))
        checks.push_back(checkOrbs(file));
    checks.push_back(checkTimeZones(folder / kTimeZoneFile));
    for (const auto& file : filesOf(folder, ".LL", {kDefaultCitiesFile})) checks.push_back(checkCities(file));
    for (const auto& file : filesOf(folder, ".FIL", {kDefaultNamesFile})) checks.push_back(checkNames(file));
    checks.push_back(checkWheelTable(folder, WheelTable::CuspLabels, kCuspLabelEntries));
    checks.push_back(checkWheelTable(folder, WheelTable::GlyphRadii, kGlyphRadiusEntries));
    checks.push_back(checkPlaceList(folder / kAtlasFile));
    std::error_code error;
    if (std::filesystem::exists(folder / kSettingsFile, error)) checks.push_back(checkSettings(folder));
    for (const auto name : kHelpFiles) checks.push_back(checkHelpText(folder / name));
    return checks;
}

}  // namespace helion
