#include "core/atlas/place_search.h"

#include <string>

#include "core/atlas/text_folding.h"
#include "core/base/text_file.h"

namespace helion {
namespace {

bool beginsWithFolded(std::string_view text, std::string_view foldedPrefix) {
    return foldForSearch(text).starts_with(foldedPrefix);
}

bool inQualifiedArea(const PlaceList& list, const Place& place, std::string_view qualifier) {
    return beginsWithFolded(place.region, qualifier) || beginsWithFolded(place.countryCode, qualifier) ||
           beginsWithFolded(countryOf(list, place), qualifier);
}

}  // namespace

std::vector<std::size_t> searchPlaces(const PlaceList& list, std::string_view query, std::size_t limit) {
    const std::string folded = foldForSearch(query);
    const std::string_view text = folded;
    const std::size_t comma = text.find(',');
    const std::string_view name = trimmed(text.substr(0, comma));
    const std::string_view qualifier =
        comma == std::string_view::npos ? std::string_view{} : trimmed(text.substr(comma + 1));

    std::vector<std::size_t> prefixMatches;
    std::vector<std::size_t> innerMatches;
    for (std::size_t i = 0; i < list.places.size() && prefixMatches.size() < limit; ++i) {
        const Place& place = list.places[i];
        const std::size_t at = place.searchKey.find(name);
        if (at == std::string::npos || (at != 0 && innerMatches.size() >= limit)) continue;
        if (!qualifier.empty() && !inQualifiedArea(list, place, qualifier)) continue;
        (at == 0 ? prefixMatches : innerMatches).push_back(i);
    }
    innerMatches.resize(std::min(innerMatches.size(), limit - prefixMatches.size()));
    prefixMatches.insert(prefixMatches.end(), innerMatches.begin(), innerMatches.end());
    return prefixMatches;
}

}  // namespace helion
