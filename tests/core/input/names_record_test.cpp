#include "core/input/names_record.h"

#include <gtest/gtest.h>

namespace helion {
namespace {

TEST(NamesRecord, FillsTheInputWindowTexts) {
    const auto parse = parseNamesRecord("Sample Chart,07 Mar 1952,10.30,A,5,74.00,40.43\r\n");
    ASSERT_TRUE(parse.texts) << parse.error;
    const InputWindowTexts& w = *parse.texts;
    EXPECT_EQ(w.name, "Sample Chart");
    EXPECT_EQ((std::vector<std::string>{w.day, w.month, w.year}), (std::vector<std::string>{"7", "3", "1952"}));
    EXPECT_EQ(w.hour, "10");
    EXPECT_EQ(w.minute, "30");
    EXPECT_TRUE(w.am);
    EXPECT_EQ(w.zone, "5");
    EXPECT_EQ(w.longitudeDegrees, "74");
    EXPECT_EQ(w.longitudeMinutes, "0");
    EXPECT_FALSE(w.east);
    EXPECT_EQ(w.latitudeDegrees, "40");
    EXPECT_EQ(w.latitudeMinutes, "43");
}

TEST(NamesRecord, NegativeCoordinatesChooseEastAndSouth) {
    const auto parse = parseNamesRecord("Down Under,31 dec 1999,12.05,P,-10,-151.12,-33.52");
    ASSERT_TRUE(parse.texts) << parse.error;
    EXPECT_TRUE(parse.texts->east);
    EXPECT_TRUE(parse.texts->south);
    EXPECT_FALSE(parse.texts->am);
    EXPECT_EQ(parse.texts->longitudeDegrees, "151");
    EXPECT_EQ(parse.texts->longitudeMinutes, "12");
    EXPECT_EQ(parse.texts->minute, "5");
}

TEST(NamesRecord, NamesTheWrongField) {
    const std::pair<const char*, const char*> cases[] = {
        {"A,07 Mar 1952,10.30,A,5,74.00", "has 6 fields"},
        {",07 Mar 1952,10.30,A,5,74.00,40.43", "field 1"},
        {"A,07 Mrz 1952,10.30,A,5,74.00,40.43", "field 2"},
        {"A,7/3/1952,10.30,A,5,74.00,40.43", "field 2"},
        {"A,07 Mar 1952,ten,A,5,74.00,40.43", "field 3"},
        {"A,07 Mar 1952,10.30,X,5,74.00,40.43", "field 4"},
        {"A,07 Mar 1952,10.30,A,five,74.00,40.43", "field 5"},
        {"A,07 Mar 1952,10.30,A,5,74W,40.43", "field 6"},
        {"A,07 Mar 1952,10.30,A,5,74.00,1e300", "field 7"},
    };
    for (const auto& [record, field] : cases) {
        const auto parse = parseNamesRecord(record);
        EXPECT_FALSE(parse.texts) << record;
        EXPECT_NE(parse.error.find(field), std::string::npos) << record << ": " << parse.error;
    }
}

}  // namespace
}  // namespace helion
