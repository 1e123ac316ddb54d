#include "core/atlas/place_list.h"

#include <gtest/gtest.h>

#include <tuple>

#include "../base/temp_folder.h"

namespace helion {
namespace {

constexpr std::string_view kList =
    "#zones\r\nAmerica/New_York\r\nEurope/London\r\n"
    "#countries\r\nGB\tUnited Kingdom\r\nUS\tUnited States\r\n"
    "#places\r\n"
    "New York City\tNY\tUS\t40.7143\t-74.0060\t8175133\t0\r\n"
    "London\tENG\tGB\t51.5085\t-0.1257\t7556900\t1\r\n"
    "Nowhere\t\tXX\t1.0\t2.0\t1000\t0\r\n";

TEST(PlaceList, ReadsZonesCountriesAndPlacesInOrder) {
    const PlaceList list = parsePlaceList(kList);
    ASSERT_EQ(list.places.size(), 3u);
    EXPECT_TRUE(list.brokenLines.empty());
    const Place& london = list.places[1];
    EXPECT_EQ(std::tie(london.name, london.region, london.latitudeDeg, london.longitudeDeg, london.population),
              std::tuple("London", "ENG", 51.5085, -0.1257, 7556900));
    EXPECT_EQ(zoneOf(list, london), "Europe/London");
    EXPECT_EQ(countryOf(list, london), "United Kingdom");
    EXPECT_EQ(list.places[0].searchKey, "new york city");
    EXPECT_EQ(countryOf(list, list.places[2]), "XX");  // a code without a name stands for itself
}

TEST(PlaceList, SkipsEachBrokenLineByNumberAndKeepsTheRest) {
    const std::string text = std::string(kList) +
                             "Too\tfew\tfields\n"
                             "Bad zone\t\tUS\t1\t2\t3\t2\n"       // no zone 2
                             "Bad latitude\t\tUS\t91\t2\t3\t0\n"  // beyond the pole
                             "Bad number\t\tUS\t1x\t2\t3\t0\n"
                             "\tnameless\tUS\t1\t2\t3\t0\n"
                             "Last\t\tUS\t1\t2\t3\t1\n";
    const PlaceList list = parsePlaceList(text);
    EXPECT_EQ(list.brokenLines, (std::vector<std::size_t>{11, 12, 13, 14, 15}));
    ASSERT_EQ(list.places.size(), 4u);
    EXPECT_EQ(list.places.back().name, "Last");
}

TEST(PlaceList, LoadReportsAMissingFileOrOneWithoutPlaces) {
    test::TempFolder folder;
    EXPECT_FALSE(loadPlaceList(folder.path() / "missing.dat").error.empty());
    EXPECT_FALSE(loadPlaceList(folder.path()).error.empty());  // a folder
    folder.write("empty.dat", "#zones\r\n");
    EXPECT_FALSE(loadPlaceList(folder.path() / "empty.dat").error.empty());
    folder.write("atlas.dat", std::string(kList));
    const PlaceListLoad load = loadPlaceList(folder.path() / "atlas.dat");
    EXPECT_EQ(load.error, "");
    EXPECT_EQ(load.list.places.size(), 3u);
}

}  // namespace
}  // namespace helion
