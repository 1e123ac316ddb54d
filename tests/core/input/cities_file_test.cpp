#include "core/input/cities_file.h"

#include <gtest/gtest.h>

namespace helion {
namespace {

TEST(CitiesFile, ReadsPlacesUntilAnEmptyPlaceName) {
    const CitiesFile file =
        parseCitiesFile("Atlanta,Georgia,84W23,33N45,5\r\nSydney,Australia,151E11,33S55,-10\r\n,x\r\nnot read\r\n");
    ASSERT_EQ(file.records.size(), 2u);
    EXPECT_EQ(file.records[1].listText(), "Sydney,Australia");
    EXPECT_FALSE(file.error);
}

auto fields(const CityPlace& p) {
    return std::tuple(p.longitudeDegrees, p.longitudeMinutes, p.east, p.latitudeDegrees, p.latitudeMinutes, p.south,
                      p.zone);
}

TEST(CitiesFile, DecodesCoordinatesAsTheInputWindowsTakeThem) {
    const struct {
        const char *longitude, *latitude, *zone;
        std::size_t faults;
        std::optional<CityPlace> place;  // nothing when a field cannot be converted
    } rows[] = {
        {"84W23", "33N45", "5", 0, CityPlace{84, 23, false, 33, 45, false, 5}},
        {"151E11", "33S55", "-10", 0, CityPlace{151, 11, true, 33, 55, true, -10}},
        {"84W63", "33N45", "5", 1, CityPlace{84, 63, false, 33, 45, false, 5}},
        {"84W2", "33N45", "5", 1, std::nullopt},
        {"84W23", "33N45", "5 EST", 1, CityPlace{84, 23, false, 33, 45, false, 5}},
        {"180E00", "90N00", "-12", 0, CityPlace{180, 0, true, 90, 0, false, -12}},
        {"180W01", "33N45", "12", 1, CityPlace{180, 1, false, 33, 45, false, 12}},
        {"84W23", "90S01", "5", 1, CityPlace{84, 23, false, 90, 1, true, 5}},
    };
    for (const auto& row : rows) {
        const CityDecode decode = decodeCity({"P", "R", row.longitude, row.latitude, row.zone});
        SCOPED_TRACE(std::string(row.longitude) + " " + row.latitude + " " + row.zone);
        EXPECT_EQ(decode.faults.size(), row.faults);
        ASSERT_EQ(decode.place.has_value(), row.place.has_value());
        if (row.place) {
            EXPECT_EQ(fields(*decode.place), fields(*row.place));
        }
    }
}

}  // namespace
}  // namespace helion
