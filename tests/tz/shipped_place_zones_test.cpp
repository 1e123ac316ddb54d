// Each place of the shipped place list must keep a zone that tzdata lists for its country
// (zone1970.tab, zone.tab), or be covered by the reviewed exceptions beside the list's
// generator: a place on a neighbour's zone gets a wrong chart with no warning.

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>

#include "core/atlas/place_list.h"
#include "core/base/text_file.h"

namespace helion {
namespace {

using CountryZone = std::pair<std::string, std::string>;

// The country codes (comma-separated) and the zone of each line of a tab-separated table
// whose comment lines start with '#', from the given columns.
void addPairs(const std::string& file, std::size_t zoneColumn, std::set<CountryZone>& pairs) {
    const auto text = readTextFile(file);
    ASSERT_TRUE(text) << file;
    for (const std::string_view line : splitLines(*text)) {
        if (line.empty() || line.front() == '#') continue;
        std::vector<std::string_view> columns;
        for (std::size_t start = 0, tab = 0; tab != std::string_view::npos; start = tab + 1) {
            tab = line.find('\t', start);
            columns.push_back(line.substr(start, tab == std::string_view::npos ? tab : tab - start));
        }
        ASSERT_GT(columns.size(), zoneColumn) << file << ": " << line;
        for (std::size_t start = 0, comma = 0; comma != std::string_view::npos; start = comma + 1) {
            comma = columns[0].find(',', start);
            const auto code = columns[0].substr(start, comma == std::string_view::npos ? comma : comma - start);
            pairs.emplace(code, columns[zoneColumn]);
        }
    }
}

TEST(ShippedPlaceZones, EveryPlaceKeepsAZoneOfItsCountryOrAReviewedException) {
    std::set<CountryZone> allowed;
    addPairs("/usr/share/zoneinfo/zone1970.tab", 2, allowed);
    addPairs("/usr/share/zoneinfo/zone.tab", 2, allowed);
    addPairs(HELION_SOURCE_DIR "/tools/atlas/zone-exceptions.tsv", 1, allowed);
    const PlaceListLoad load = loadPlaceList(HELION_SOURCE_DIR "/data/ATLAS.DAT");
    ASSERT_EQ(load.error, "");
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
