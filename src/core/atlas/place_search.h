#pragma once
// Finding places as the user types. The query is folded like the names (case and
// Latin diacritics do not matter); places whose name begins with it come first, then
// places whose name holds it elsewhere, each group largest population first. Text after
// a comma narrows the search to places whose region, country code or country name
// begins with it: "London, CA", "Paris, France".

#include <cstddef>
#include <string_view>
#include <vector>

#include "core/atlas/place_list.h"

namespace helion {

// Indices into list.places, best first, at most `limit`. An empty query gives the
// most populous places.
std::vector<std::size_t> searchPlaces(const PlaceList& list, std::string_view query, std::size_t limit);

}  // namespace helion
