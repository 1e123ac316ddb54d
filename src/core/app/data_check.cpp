#include "core/app/data_check.h"

#include <algorithm>
#include <cctype>
#include <set>

#include "core/base/text_file.h"
#include "core/config/help_files.h"
#include "core/config/options.h"
#include "core/config/orb_file.h"
#include "core/config/settings.h"
#include "core/input/cities_file.h"
#include "core/input/names_file.h"
#include "core/input/names_record.h"
#include "core/input/time_zone_table.h"

namespace helion {

namespace {

std::string counted(std::size_t count, std::string_view what) {
    return std::to_string(count) + " " + std::string(what);
}

void addMessages(const std::vector<Message>& messages, FileCheck& check) {
    for (const auto& message : messages) check.problems.push_back({0, message.text});
}

FileCheck checkOptions(const std::filesystem::path& file) {
    const OptionsLoad load = loadOptions(file, OptionValues{});
    FileCheck check{fileNameOf(file), {}, load.problems};
    addMessages(load.messages, check);
    if (load.messages.empty()) check.loaded = counted(load.entriesRead, "entries read");
    return check;
}

FileCheck checkOrbs(const std::filesystem::path& file) {
    const OrbTableLoad load = loadOrbTable(file, OrbTable{});
    FileCheck check{fileNameOf(file), load.messages.empty() ? counted(load.orbsRead, "orbs read") : "", load.problems};
    addMessages(load.messages, check);
    return check;
}

FileCheck checkTimeZones(const std::filesystem::path& file) {
    const TimeZoneTable table = loadTimeZoneTable(file);
    return {fileNameOf(file), counted(table.zones.size(), "time zones"), table.problems};
}

FileCheck checkCities(const std::filesystem::path& file) {
    const CitiesFile cities = loadCitiesFile(file);
    FileCheck check{fileNameOf(file), counted(cities.cities.size(), "places"), cities.problems};
    for (const auto& city : cities.cities)
        for (const auto& fault : decodeCity(city).faults) check.problems.push_back({city.line, fault});
    return check;
}

FileCheck checkNames(const std::filesystem::path& file) {
    const NamesFile names = loadNamesFile(file);
    FileCheck check{fileNameOf(file), counted(names.names.size(), "names"), names.problems};
    for (const auto& record : names.names)
        if (const auto parse = parseNamesRecord(record.text); !parse.texts)
            check.problems.push_back({record.line, parse.error});
    return check;
}

FileCheck checkSettings(const std::filesystem::path& folder) {
    const SettingsRead read = readSettings(folder);
    FileCheck check{std::string(kSettingsFile), read.error ? "" : "settings read", read.problems};
    if (read.error) check.problems.push_back({0, read.error->text});
    return check;
}

FileCheck checkHelpText(const std::filesystem::path& file) {
    const auto text = readTextFile(file);
    FileCheck check{fileNameOf(file), {}, {}};
    if (!text)
        check.problems.push_back({0, "the file is missing or cannot be read"});
    else if (!looksLikeText(*text))
        check.problems.push_back({0, "not a text file"});
    else if (splitLines(*text).empty())
        check.problems.push_back({0, "the file is empty"});
    else
        check.loaded = counted(splitLines(*text).size(), "lines");
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
    std::error_code error;
    if (std::filesystem::exists(folder / kSettingsFile, error)) checks.push_back(checkSettings(folder));
    for (const auto name : kHelpFiles) checks.push_back(checkHelpText(folder / name));
    return checks;
}

}  // namespace helion
