// The atlas's place list (ATLAS.DAT), and a search over whatever it reads.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/atlas/place_list.h"
#include "core/atlas/place_search.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const helion::PlaceListParse parse = helion::parsePlaceList(text);
    for (const auto& match : helion::searchPlaces(parse.list, "a", 20)) {
        helion::matchedName(parse.list, match);
        helion::zoneOf(parse.list, parse.list.places[match.place]);
    }
    return 0;
}
