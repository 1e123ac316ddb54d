#pragma once
// Finding places as the user types. The query is folded like the names (case, Latin
// diacritics, apostrophes and dashes do not matter) and compared with each place's name
// and its other names ("Bombay", "Peking", "Leningrad"). Places with a name that begins
// with it come first, then places with a name that holds it elsewhere, each group
// largest population first. Text after a comma narrows the search to places whose
// region or country, by name or code, begins with it: "London, CA", "Paris, France",
// "Atlanta, Georgia", "Lyon, Auvergne".

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/atlas/place_list.h"

namespace helion {

struct PlaceMatch {
    std::size_t place = 0;                 // index into list.places
    std::optional<std::size_t> alternate;  // the other name that matched, when the name itself did not
    friend bool operator==(const PlaceMatch&, const PlaceMatch&) = default;
};

// Best first, at most `limit`. An empty query gives the most populous places.
std::vector<PlaceMatch> searchPlaces(const PlaceList& list, std::string_view query, std::size_t limit);

// The place's name, with the other name that matched after it: "Mumbai (Bombay)".
std::string matchedName(const PlaceList& list, const PlaceMatch& match);

}  // namespace helion
