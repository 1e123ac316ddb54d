#include "core/atlas/place_list.h"

#include <algorithm>
#include <charconv>
#include <utility>

#include "core/atlas/text_folding.h"
#include "core/base/text_file.h"

namespace helion {
namespace {

constexpr std::size_t kPlaceFields = 8;
constexpr char kAlternateSeparator = ';';

struct Fault {
    std::string text;
};

std::vector<std::string_view> tabFields(std::string_view line) {
    std::vector<std::string_view> fields;
    for (std::size_t tab = line.find('\t'); tab != std::string_view::npos; tab = line.find('\t')) {
        fields.push_back(line.substr(0, tab));
        line.remove_prefix(tab + 1);
    }
    fields.push_back(line);
    return fields;
}

template <typename T>
std::optional<T> number(std::string_view text) {
    T value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
    return value;
}

// An IANA zone name: "Europe/London", "America/Argentina/Buenos_Aires", "Etc/GMT-5".
bool isZoneName(std::string_view name) {
    const auto allowed = [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '/' || c == '_' ||
               c == '-' || c == '+';
    };
    return name.find('/') != std::string_view::npos && name.front() != '/' && name.back() != '/' &&
           std::ranges::all_of(name, allowed);
}

bool isCountryCode(std::string_view code) {
    return code.size() == 2 && std::ranges::all_of(code, [](char c) { return c >= 'A' && c <= 'Z'; });
}

std::string quoted(std::string_view text) { return "'" + std::string(text) + "'"; }

// "#places\t118486" -> 118486 for the heading "#places".
std::optional<std::size_t> headingCount(std::string_view line, std::string_view heading) {
    if (!line.starts_with(heading) || line.size() <= heading.size() || line[heading.size()] != '\t')
        return std::nullopt;
    return number<std::size_t>(line.substr(heading.size() + 1));
}

std::optional<double> inRange(std::string_view text, double limit) {
    const auto value = number<double>(text);
    if (!value || !(*value >= -limit && *value <= limit)) return std::nullopt;  // NaN too
    return value;
}

std::pair<std::string_view, std::string_view> regionKey(const Region& region) {
    return {region.countryCode, region.code};
}

Place readPlace(std::string_view line, const PlaceList& list, std::optional<Fault>& fault) {
    const auto fields = tabFields(line);
    const auto fail = [&](std::string text) {
        fault = Fault{std::move(text)};
        return Place{};
    };
    if (fields.size() != kPlaceFields)
        return fail("a place has " + std::to_string(kPlaceFields) + " fields separated by tabs; this line has " +
                    std::to_string(fields.size()));
    if (trimmed(fields[0]).empty()) return fail("the place has no name");
    if (!list.countryNames.contains(std::string(fields[2])))
        return fail("the country code " + quoted(fields[2]) + " is not in the list of countries");
    const auto latitude = inRange(fields[3], 90.0);
    if (!latitude) return fail("the latitude " + quoted(fields[3]) + " is not a number from -90 to 90");
    const auto longitude = inRange(fields[4], 180.0);
    if (!longitude) return fail("the longitude " + quoted(fields[4]) + " is not a number from -180 to 180");
    const auto population = number<long>(fields[5]);
    if (!population || *population < 0)
        return fail("the population " + quoted(fields[5]) + " is not a whole number of 0 or more");
    const auto zone = number<std::size_t>(fields[6]);
    if (!zone || *zone >= list.zones.size())
        return fail("the zone number " + quoted(fields[6]) + " is not one of the " + std::to_string(list.zones.size()) +
                    " zones, 0 to " + std::to_string(list.zones.size() - 1));
    Place place{std::string(fields[0]),
                std::string(fields[1]),
                std::string(fields[2]),
                *latitude,
                *longitude,
                *population,
                *zone,
                {},
                foldForSearch(fields[0]),
                {}};
    for (std::string_view rest = fields[7]; !rest.empty();) {
        const std::size_t end = std::min(rest.find(kAlternateSeparator), rest.size());
        if (end > 0) {
            place.alternateNames.emplace_back(rest.substr(0, end));
            place.alternateKeys += kAlternateKeyMark + foldForSearch(rest.substr(0, end));
        }
        rest.remove_prefix(std::min(end + 1, rest.size()));
    }
    return place;
}

// Reads the lines one section after the other; the first fault ends the reading.
class Reader {
public:
    explicit Reader(std::string_view text) : lines_(splitLines(text)) {}

    PlaceListParse read() {
        section("#zones", [this](std::string_view line) {
            if (!isZoneName(line)) return fault("'" + std::string(line) + "' is not a time-zone name");
            list_.zones.emplace_back(line);
        });
        section("#countries", [this](std::string_view line) {
            const auto fields = tabFields(line);
            if (fields.size() != 2 || !isCountryCode(fields[0]))
                return fault("a country line holds a two-letter code, a tab and the country's name");
            list_.countryNames.emplace(fields[0], fields[1]);
        });
        optionalSection("#regions", [this](std::string_view line) { readRegion(line); });
        std::ranges::stable_sort(list_.regions, {}, regionKey);
        section("#places", [this](std::string_view line) {
            Place place = readPlace(line, list_, fault_);
            if (!fault_) list_.places.push_back(std::move(place));
        });
        if (!fault_ && next_ < lines_.size()) fault("a line after the last section");
        if (!fault_) return {std::move(list_), std::nullopt};
        return {{}, LineProblem{static_cast<int>(std::min(next_ + 1, lines_.size())), fault_->text}};
    }

private:
    void readRegion(std::string_view line) {
        const auto fields = tabFields(line);
        if (fields.size() != 3 || !isCountryCode(fields[0]) || fields[1].empty() || trimmed(fields[2]).empty())
            return fault(
                "a region line holds a two-letter country code, the region's code and its name, "
                "separated by tabs");
        list_.regions.push_back(
            {std::string(fields[0]), std::string(fields[1]), std::string(fields[2]), foldForSearch(fields[2])});
    }

    // A section that older lists lack: read when its heading comes next.
    template <typename ReadLine>
    void optionalSection(std::string_view heading, ReadLine readLine) {
        if (next_ < lines_.size() && lines_[next_].starts_with(heading)) section(heading, readLine);
    }

    template <typename ReadLine>
    void section(std::string_view heading, ReadLine readLine) {
        if (fault_) return;
        const auto count = next_ < lines_.size() ? headingCount(lines_[next_], heading) : std::nullopt;
        if (!count) return fault("the heading " + std::string(heading) + ", a tab and its number of lines expected");
        if (*count > lines_.size() - next_ - 1)
            return fault("the section " + std::string(heading) + " counts " + std::to_string(*count) +
                         " line(s) but the file ends before them");
        if (heading == "#places") list_.places.reserve(*count);
        for (std::size_t i = 0; i < *count && !fault_; ++i) {
            ++next_;
            if (lines_[next_].empty() || lines_[next_].front() == '#')
                return fault("the section " + std::string(heading) + " counts " + std::to_string(*count) +
                             " line(s), but here is " + (lines_[next_].empty() ? "an empty line" : "a heading"));
            readLine(lines_[next_]);
        }
        if (!fault_) ++next_;
    }

    void fault(std::string text) { fault_ = Fault{std::move(text)}; }

    std::vector<std::string_view> lines_;
    std::size_t next_ = 0;
    PlaceList list_;
    std::optional<Fault> fault_;
};

}  // namespace

PlaceListParse parsePlaceList(std::string_view text) { return Reader(text).read(); }

PlaceListLoad loadPlaceList(const std::filesystem::path& path) {
    const auto text = readTextFile(path);
    if (!text) return {{}, "The place list " + path.string() + " cannot be read."};
    PlaceListParse parse = parsePlaceList(*text);
    if (parse.problem)
        return {{},
                "The place list " + path.string() + " is damaged at line " + std::to_string(parse.problem->line) +
                    ": " + parse.problem->text + "."};
    if (parse.list.places.empty()) return {{}, "The place list " + path.string() + " holds no places."};
    return {std::move(parse.list), {}};
}

const std::string& zoneOf(const PlaceList& list, const Place& place) { return list.zones.at(place.zone); }

const std::string& regionOf(const PlaceList& list, const Place& place) {
    const std::pair<std::string_view, std::string_view> key{place.countryCode, place.region};
    const auto found = std::ranges::lower_bound(list.regions, key, {}, regionKey);
    return found != list.regions.end() && regionKey(*found) == key ? found->name : place.region;
}

const std::string& countryOf(const PlaceList& list, const Place& place) {
    const auto found = list.countryNames.find(place.countryCode);
    return found == list.countryNames.end() ? place.countryCode : found->second;
}

}  // namespace helion
