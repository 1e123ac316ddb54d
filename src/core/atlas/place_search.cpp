#include "core/atlas/place_search.h"

#include <algorithm>
#include <string>
#include <unordered_set>
#include <utility>

#include "core/atlas/text_folding.h"
#include "core/base/text_file.h"

namespace helion {
namespace {

bool beginsWithFolded(std::string_view text, std::string_view foldedPrefix) {
    return foldForSearch(text).starts_with(foldedPrefix);
}

// The countries and named regions whose name or code begins with the text after the
// comma, found once a query, so that each place costs a look-up or two.
class Area {
public:
    Area(const PlaceList& list, std::string_view qualifier) : qualifier_(qualifier) {
        if (qualifier.empty()) return;
        for (const auto& [code, name] : list.countryNames)
            if (beginsWithFolded(code, qualifier) || beginsWithFolded(name, qualifier)) countries_.insert(code);
        for (const Region& region : list.regions)  // in the list's order, so still sorted
            if (region.searchKey.starts_with(qualifier)) regions_.emplace_back(region.countryCode, region.code);
    }

    bool holds(const Place& place) const {
        return qualifier_.empty() || countries_.contains(place.countryCode) ||
               beginsWithFolded(place.region, qualifier_) ||
               std::ranges::binary_search(regions_, RegionKey{place.countryCode, place.region});
    }

private:
    using RegionKey = std::pair<std::string_view, std::string_view>;  // country code, region code
    std::string_view qualifier_;
    std::unordered_set<std::string> countries_;
    std::vector<RegionKey> regions_;
};

// Which alternate name holds the character at `at` of the place's alternate keys.
std::size_t alternateAt(const Place& place, std::size_t at) {
    const auto marks = std::count(place.alternateKeys.begin(), place.alternateKeys.begin() + at + 1, kAlternateKeyMark);
    return static_cast<std::size_t>(std::max<std::ptrdiff_t>(marks, 1) - 1);
}

struct Found {
    bool atStart = false;
    PlaceMatch match;
};

// `markedName` is `name` after kAlternateKeyMark: an alternate name that begins with it.
std::optional<Found> matchName(const Place& place, std::size_t index, std::string_view name,
                               std::string_view markedName) {
    const std::size_t inName = place.searchKey.find(name);
    if (inName == 0) return Found{true, {index, std::nullopt}};
    if (const std::size_t at = place.alternateKeys.find(markedName); at != std::string::npos)
        return Found{true, {index, alternateAt(place, at)}};
    if (inName != std::string::npos) return Found{false, {index, std::nullopt}};
    if (const std::size_t at = place.alternateKeys.find(name); at != std::string::npos)
        return Found{false, {index, alternateAt(place, at)}};
    return std::nullopt;
}

}  // namespace

std::vector<PlaceMatch> searchPlaces(const PlaceList& list, std::string_view query, std::size_t limit) {
    const std::string folded = foldForSearch(query);
    const std::string_view text = folded;
    const std::size_t comma = text.find(',');
    const std::string_view name = trimmed(text.substr(0, comma));
    const std::string_view qualifier =
        comma == std::string_view::npos ? std::string_view{} : trimmed(text.substr(comma + 1));

    const Area area(list, qualifier);
    const std::string markedName = kAlternateKeyMark + std::string(name);
    std::vector<PlaceMatch> prefixMatches;
    std::vector<PlaceMatch> innerMatches;
    for (std::size_t i = 0; i < list.places.size() && prefixMatches.size() < limit; ++i) {
        const Place& place = list.places[i];
        const auto found = matchName(place, i, name, markedName);
        if (!found || (!found->atStart && innerMatches.size() >= limit)) continue;
        if (!area.holds(place)) continue;
        (found->atStart ? prefixMatches : innerMatches).push_back(found->match);
    }
    innerMatches.resize(std::min(innerMatches.size(), limit - prefixMatches.size()));
    prefixMatches.insert(prefixMatches.end(), innerMatches.begin(), innerMatches.end());
    return prefixMatches;
}

std::string matchedName(const PlaceList& list, const PlaceMatch& match) {
    const Place& place = list.places.at(match.place);
    if (!match.alternate || *match.alternate >= place.alternateNames.size()) return place.name;
    return place.name + " (" + place.alternateNames[*match.alternate] + ")";
}

}  // namespace helion
