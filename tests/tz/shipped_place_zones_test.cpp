// Each place of the shipped place list must keep a zone that tzdata lists for its country
// (zone1970.tab, zone.tab), or be covered by the reviewed exceptions beside the list's
// generator: a place on a neighbour's zone gets a wrong chart with no warning. And each
// zone must be one the computer's history knows, or the atlas gives its places no offset.

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>

#include "core/atlas/place_list.h"
#include "core/base/text_file.h"
#include "tz/qt_zone_history.h"

namespace helion {
namespace {

using CountryZone = std::pair<std::string, std::string>;

std::vector<std::string_view> split(std::string_view text, char by) {
    std::vector<std::string_view> parts;
    for (std::size_t start = 0, end = 0; end != std::string_view::npos; start = end + 1) {
        end = text.find(by, start);
        parts.push_back(text.substr(start, end == std::string_view::npos ? end : end - start));
    }
    return parts;
}

// The country codes (comma-separated) and the zone of each line of a tab-separated table
// whose comment lines start with '#', from the given columns.
void addPairs(const std::string& file, std::size_t zoneColumn, std::set<CountryZone>& pairs) {
    const auto text = readTextFile(file);
    ASSERT_TRUE(text) << file;
    for (const std::string_view line : splitLines(*text)) {
        if (line.empty() || line.front() == '#') continue;
        const auto columns = split(line, '\t');
        ASSERT_GT(columns.size(), zoneColumn) << file << ": " << line;
        for (const std::string_view code : split(columns[0], ',')) pairs.emplace(code, columns[zoneColumn]);
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
