// Each place of the shipped place list must keep a zone that tzdata lists for its country
// (zone1970.tab, zone.tab), or be covered by the reviewed exceptions beside the list's
// generator: a place on a neighbour's zone gets a wrong chart with no warning. And each
// zone must be one the computer's history knows, or the atlas gives its places no offset.

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <utility>

#include "core/atlas/place_list.h"
#include "tz/qt_zone_history.h"

namespace helion {
namespace {

using CountryZone = std::pair<std::string, std::string>;

// Each country code (comma-separated in the first column) with the zone of its line, from a
// tab-separated table whose comment lines start with '#'.
void addPairs(const std::string& file, int zoneColumn, std::set<CountryZone>& pairs) {
    std::ifstream table(file);
    ASSERT_TRUE(table) << file;
    for (std::string line; std::getline(table, line);) {
        if (line.empty() || line.front() == '#') continue;
        std::istringstream columns(line);
        std::string codes, zone;
        std::getline(columns, codes, '\t');
        for (int column = 1; column <= zoneColumn; ++column) std::getline(columns, zone, '\t');
        std::istringstream codeList(codes);
        for (std::string code; std::getline(codeList, code, ',');) pairs.emplace(code, zone);
    }
}

TEST(ShippedPlaceZones, EveryPlaceKeepsAKnownZoneOfItsCountryOrAReviewedException) {
    std::set<CountryZone> allowed;
    addPairs("/usr/share/zoneinfo/zone1970.tab", 2, allowed);
    addPairs("/usr/share/zoneinfo/zone.tab", 2, allowed);
    addPairs(HELION_SOURCE_DIR "/tools/atlas/zone-exceptions.tsv", 1, allowed);
    const PlaceListLoad load = loadPlaceList(HELION_SOURCE_DIR "/data/ATLAS.DAT");
    ASSERT_EQ(load.error, "");
    EXPECT_GE(load.list.places.size(), 100000u);
    const QtZoneHistory history;
    for (const auto& zone : load.list.zones) EXPECT_TRUE(history.stateAt(zone, 0)) << zone;
    std::size_t outside = 0;
    for (const Place& place : load.list.places) {
        if (allowed.contains({place.countryCode, zoneOf(load.list, place)})) continue;
        if (++outside <= 20)
            ADD_FAILURE() << place.name << ", " << place.countryCode << ": " << zoneOf(load.list, place);
    }
    EXPECT_EQ(outside, 0u);
}

}  // namespace
}  // namespace helion
