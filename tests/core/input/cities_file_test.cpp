#include "core/input/cities_file.h"

#include <gtest/gtest.h>

namespace helion {
namespace {

TEST(CitiesFile, ReadsPlacesUntilAnEmptyPlaceName) {
    const CitiesFile file = parseCitiesFile("Atlanta,Georgia,84W23,33N45,5\r\nSydney,Australia,151E11,33S55,-10\r\n,x\r\n");
    ASSERT_EQ(file.cities.size(), 2u);
    EXPECT_EQ(file.cities[1].listText(), "Sydney,Australia");
    EXPECT_FALSE(file.error);
}

TEST(CitiesFile, ABrokenLineStopsTheListWithTheCitiesError) {
    const CitiesFile file = parseCitiesFile("A,B,84W23,33N45,5\nBroken,84W23,33N45\nC,D,84W23,33N45,5\n");
    EXPECT_EQ(file.cities.size(), 1u);
    ASSERT_TRUE(file.error);
    EXPECT_EQ(file.error->text, kCitiesFileErrorText);
    EXPECT_EQ(file.problems, (std::vector<LineProblem>{{2, "3 fields where a record has 5"}}));
}

struct DecodeRow {
    const char* longitude;
    const char* latitude;
    const char* zone;
    bool converts;
    std::size_t faults;
    CityPlace place;
};

TEST(CitiesFile, DecodesCoordinatesAsTheInputWindowsTakeThem) {
    const DecodeRow rows[] = {
        {"84W23", "33N45", "5", true, 0, {84, 23, false, 33, 45, false, 5}},
        {"151E11", "33S55", "-10", true, 0, {151, 11, true, 33, 55, true, -10}},
        {"122W25", "47X36", "8", true, 1, {122, 25, false, 47, 36, false, 8}},  // any letter but S is north
        {"84W63", "33N45", "5", true, 1, {84, 63, false, 33, 45, false, 5}},
        {"84W2", "33N45", "5", false, 1, {}},
        {"84W23", "3N45", "5", false, 1, {}},
        {"84W23", "33N45", "5 EST", true, 1, {84, 23, false, 33, 45, false, 5}},
    };
    for (const auto& row : rows) {
        const CityDecode decode = decodeCity({"P", "R", row.longitude, row.latitude, row.zone});
        EXPECT_EQ(decode.place.has_value(), row.converts) << row.longitude << " " << row.latitude;
        EXPECT_EQ(decode.faults.size(), row.faults) << row.longitude << " " << row.latitude << " " << row.zone;
        if (!decode.place || !row.converts) continue;
        EXPECT_EQ(decode.place->longitudeDegrees, row.place.longitudeDegrees);
        EXPECT_EQ(decode.place->longitudeMinutes, row.place.longitudeMinutes);
        EXPECT_EQ(decode.place->east, row.place.east);
        EXPECT_EQ(decode.place->latitudeDegrees, row.place.latitudeDegrees);
        EXPECT_EQ(decode.place->south, row.place.south);
        EXPECT_EQ(decode.place->zone, row.place.zone);
    }
}

}  // namespace
}  // namespace helion
