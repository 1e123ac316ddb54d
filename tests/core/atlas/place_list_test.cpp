#include "core/atlas/place_list.h"

#include <gtest/gtest.h>

#include <tuple>

#include "../base/temp_folder.h"

namespace helion {
namespace {

constexpr std::string_view kList =
    "#zones\t2\r\nAmerica/New_York\r\nEurope/London\r\n"
    "#countries\t3\r\nGB\tUnited Kingdom\r\nUS\tUnited States\r\nXX\t\r\n"
    "#regions\t1\r\nUS\tNY\tNew York\r\n"
    "#places\t3\r\n"
    "New York City\tNY\tUS\t40.7143\t-74.0060\t8175133\t0\tNew Amsterdam;Nueva York\r\n"
    "London\tENG\tGB\t51.5085\t-0.1257\t7556900\t1\t\r\n"
    "Nowhere\t\tXX\t1.0\t2.0\t1000\t0\t\r\n";

TEST(PlaceList, ReadsZonesCountriesAndPlacesInOrder) {
    const PlaceListParse parse = parsePlaceList(kList);
    EXPECT_FALSE(parse.problem);
    const PlaceList& list = parse.list;
    ASSERT_EQ(list.places.size(), 3u);
    const Place& london = list.places[1];
    EXPECT_EQ(std::tie(london.name, london.region, london.latitudeDeg, london.longitudeDeg, london.population),
              std::tuple("London", "ENG", 51.5085, -0.1257, 7556900));
    EXPECT_EQ(zoneOf(list, london), "Europe/London");
    EXPECT_EQ(countryOf(list, london), "United Kingdom");
    EXPECT_EQ(regionOf(list, list.places[0]), "New York");
    EXPECT_EQ(regionOf(list, london), "ENG");  // no name: the code
    EXPECT_EQ(list.places[0].alternateNames, (std::vector<std::string>{"New Amsterdam", "Nueva York"}));
    EXPECT_TRUE(london.alternateNames.empty());
}

// One damaged line refuses the whole list: a blank line among the zones would move every
// later place onto its neighbour's zone.
TEST(PlaceList, RefusesADamagedListNamingTheLine) {
    const std::string head = "#zones\t2\nAmerica/New_York\nEurope/London\n#countries\t1\nUS\tUnited States\n";
    const std::string places = "#places\t1\n";
    const auto place = [&](std::string_view fields) { return head + places + std::string(fields) + "\n"; };
    const struct {
        std::string text;
        int line;
        const char* fault;
    } rows[] = {
        {"#zones\t2\nAmerica/New_York\n\nEurope/London\n", 3, "but here is an empty line"},
        {"#zones\t3\nAmerica/New_York\nEurope/London\n#countries\t1\n", 4, "but here is a heading"},
        {"#zones\nAmerica/New_York\n", 1, "the heading #zones, a tab and its number of lines expected"},
        {"#zones\t9\nAmerica/New_York\n", 1, "the file ends before them"},
        {"#zones\t1\nLondon\n", 2, "'London' is not a time-zone name"},
        {"#zones\t1\nEurope/London\n#countries\t1\nUSA\tUnited States\n", 4, "a two-letter code"},
        {head + "#regions\t1\nUS\tNew York\n", 7, "a two-letter country code, the region's code and its name"},
        {head + "#places\t2\nA\t\tUS\t1\t2\t3\t0\t\n", 6, "the file ends before them"},
        {place("A\t\tUS\t1\t2\t3\t0"), 7, "8 fields separated by tabs; this line has 7"},
        {place("\t\tUS\t1\t2\t3\t0\t"), 7, "the place has no name"},
        {place("A\t\tFR\t1\t2\t3\t0\t"), 7, "the country code 'FR' is not in the list of countries"},
        {place("A\t\tUS\t91\t2\t3\t0\t"), 7, "the latitude '91' is not a number from -90 to 90"},
        {place("A\t\tUS\t1\t2x\t3\t0\t"), 7, "the longitude '2x' is not a number from -180 to 180"},
        {place("A\t\tUS\t1\tnan\t3\t0\t"), 7, "the longitude 'nan' is not a number from -180 to 180"},
        {place("A\t\tUS\t1\t2\t-3\t0\t"), 7, "the population '-3' is not a whole number of 0 or more"},
        {place("A\t\tUS\t1\t2\t3\t2\t"), 7, "the zone number '2' is not one of the 2 zones, 0 to 1"},
        {place("A\t\tUS\t1\t2\t3\t0\t") + "B\n", 8, "a line after the last section"},
    };
    for (const auto& row : rows) {
        const PlaceListParse parse = parsePlaceList(row.text);
        ASSERT_TRUE(parse.problem) << row.text;
        EXPECT_EQ(parse.problem->line, row.line) << row.text;
        EXPECT_NE(parse.problem->text.find(row.fault), std::string::npos) << parse.problem->text;
        EXPECT_TRUE(parse.list.places.empty());
    }
}

TEST(PlaceList, LoadReportsAMissingDamagedOrEmptyFileByName) {
    test::TempFolder folder;
    EXPECT_FALSE(loadPlaceList(folder.path() / "missing.dat").error.empty());
    EXPECT_FALSE(loadPlaceList(folder.path()).error.empty());  // a folder
    folder.write("empty.dat", "#zones\t0\r\n#countries\t0\r\n#places\t0\r\n");
    EXPECT_NE(loadPlaceList(folder.path() / "empty.dat").error.find("holds no places"), std::string::npos);
    folder.write("damaged.dat", "#zones\t1\r\n\r\n");
    EXPECT_EQ(loadPlaceList(folder.path() / "damaged.dat").error,
              "The place list " + (folder.path() / "damaged.dat").string() +
                  " is damaged at line 2: the section #zones counts 1 line(s), but here is an empty line.");
    folder.write("atlas.dat", std::string(kList));
    const PlaceListLoad load = loadPlaceList(folder.path() / "atlas.dat");
    EXPECT_EQ(load.error, "");
    EXPECT_EQ(load.list.places.size(), 3u);
}

}  // namespace
}  // namespace helion
