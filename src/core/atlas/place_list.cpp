#include "core/atlas/place_list.h"

#include <array>
#include <charconv>
#include <optional>

#include "core/atlas/text_folding.h"
#include "core/base/text_file.h"

namespace helion {
namespace {

enum class Section { None, Zones, Countries, Places };

constexpr std::size_t kPlaceFields = 7;

// Splits at tabs; nothing when the line has another number of fields.
template <std::size_t N>
std::optional<std::array<std::string_view, N>> tabFields(std::string_view line) {
    std::array<std::string_view, N> fields;
    for (std::size_t i = 0; i < N; ++i) {
        const std::size_t tab = line.find('\t');
        if ((tab == std::string_view::npos) != (i + 1 == N)) return std::nullopt;
        fields[i] = line.substr(0, tab);
        line.remove_prefix(tab == std::string_view::npos ? line.size() : tab + 1);
    }
    return fields;
}

template <typename T>
std::optional<T> number(std::string_view text) {
    T value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::optional<Place> parsePlace(std::string_view line, std::size_t zoneCount) {
    const auto fields = tabFields<kPlaceFields>(line);
    if (!fields) return std::nullopt;
    const auto latitude = number<double>((*fields)[3]);
    const auto longitude = number<double>((*fields)[4]);
    const auto population = number<long>((*fields)[5]);
    const auto zone = number<std::size_t>((*fields)[6]);
    if ((*fields)[0].empty() || !latitude || !longitude || !population || !zone || *zone >= zoneCount ||
        *latitude < -90.0 || *latitude > 90.0 || *longitude < -180.0 || *longitude > 180.0)
        return std::nullopt;
    Place place{std::string((*fields)[0]),
                std::string((*fields)[1]),
                std::string((*fields)[2]),
                *latitude,
                *longitude,
                *population,
                *zone,
                foldForSearch((*fields)[0])};
    return place;
}

}  // namespace

PlaceList parsePlaceList(std::string_view text) {
    PlaceList list;
    Section section = Section::None;
    std::size_t lineNumber = 0;
    for (const std::string_view line : splitLines(text)) {
        ++lineNumber;
        if (line == "#zones") {
            section = Section::Zones;
        } else if (line == "#countries") {
            section = Section::Countries;
        } else if (line == "#places") {
            section = Section::Places;
            list.places.reserve(text.size() / 48);
        } else if (section == Section::Zones && !line.empty() && line.find('\t') == std::string_view::npos) {
            list.zones.emplace_back(line);
        } else if (const auto country = tabFields<2>(line); section == Section::Countries && country) {
            list.countryNames.emplace((*country)[0], (*country)[1]);
        } else if (const auto place = section == Section::Places ? parsePlace(line, list.zones.size()) : std::nullopt) {
            list.places.push_back(std::move(*place));
        } else {
            list.brokenLines.push_back(lineNumber);
        }
    }
    return list;
}

PlaceListLoad loadPlaceList(const std::filesystem::path& path) {
    const auto text = readTextFile(path);
    if (!text) return {{}, "The place list " + path.string() + " cannot be read."};
    PlaceListLoad load{parsePlaceList(*text), {}};
    if (load.list.places.empty()) load.error = "The place list " + path.string() + " holds no places.";
    return load;
}

const std::string& zoneOf(const PlaceList& list, const Place& place) { return list.zones.at(place.zone); }

const std::string& countryOf(const PlaceList& list, const Place& place) {
    const auto found = list.countryNames.find(place.countryCode);
    return found == list.countryNames.end() ? place.countryCode : found->second;
}

}  // namespace helion
