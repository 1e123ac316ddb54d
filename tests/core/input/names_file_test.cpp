#include "core/input/names_file.h"

#include <gtest/gtest.h>

#include "core/input/names_record.h"

namespace helion {
namespace {

std::string boxes(const InputWindowTexts& w) {
    std::string text = w.name;
    for (const auto* box : {&w.day, &w.month, &w.year, &w.hour, &w.minute, &w.zone, &w.longitudeDegrees,
                            &w.longitudeMinutes, &w.latitudeDegrees, &w.latitudeMinutes})
        text += " " + *box;
    return text;
}

TEST(NamesRecord, FillsTheInputWindowAndSignsChooseEastAndSouth) {
    const struct {
        const char* record;
        const char* boxes;
        bool am, east, south;
    } rows[] = {
        {"Sample Chart,07 Mar 1952,10.30,A,5,74.00,40.43\r\n", "Sample Chart 7 3 1952 10 30 5 74 0 40 43", true,
         false, false},
        {"Down Under,31 dec 1999,12.05,P,-10,-151.12,-33.52", "Down Under 31 12 1999 12 5 -10 151 12 33 52", false,
         true, true},
    };
    for (const auto& row : rows) {
        const auto parse = parseNamesRecord(row.record);
        ASSERT_TRUE(parse.texts) << parse.error;
        EXPECT_EQ(boxes(*parse.texts), row.boxes);
        EXPECT_EQ(std::tuple(parse.texts->am, parse.texts->east, parse.texts->south),
                  std::tuple(row.am, row.east, row.south))
            << row.record;
    }
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

TEST(NamesFile, AnEmptyFirstFieldOnTheThirdLineShowsTwoNames) {
    const NamesFile file = parseNamesFile(
        "Ann,07 Mar 1952,10.30,A,5,74.00,40.43\r\nBob,01 Jan 1960,1.05,P,5,71.04,42.22\r\n,01 Jan 1960,1,P,5,1,1\r\n");
    ASSERT_EQ(file.names.size(), 2u);
    EXPECT_EQ(file.names[1].name, "Bob");
    EXPECT_EQ(file.names[1].text, "Bob,01 Jan 1960,1.05,P,5,71.04,42.22");
    EXPECT_EQ(file.names[1].line, 2);
}

TEST(NamesFile, ALineWithTooFewFieldsIsTheNamesError) {
    const NamesFile file = parseNamesFile("Ann,07 Mar 1952,10.30,A,5,74.00\nBob,01 Jan 1960,1.05,P,5,71.04,42.22\n");
    EXPECT_TRUE(file.names.empty());
    ASSERT_TRUE(file.error);
    EXPECT_EQ(file.error->text, kNamesFileErrorText);
    EXPECT_EQ(file.problems.front().line, 1);
}

}  // namespace
}  // namespace helion
