#include "core/input/names_file.h"

#include <gtest/gtest.h>

#include "core/input/names_record.h"

namespace helion {
namespace {

// How a good record fills the input windows shows in every golden report header.
TEST(NamesRecord, TakesTheMonthInAnyCaseAndNamesTheWrongField) {
    const auto lowerCase = parseNamesRecord("Down Under,31 dec 1999,12.05,P,-10,-151.12,-33.52");
    ASSERT_TRUE(lowerCase.texts) << lowerCase.error;
    EXPECT_EQ(lowerCase.texts->month, "12");
    EXPECT_EQ(lowerCase.texts->day, "31");
    const auto firstDay = parseNamesRecord("First,01 Mar 1952,10.30,A,5,74.00,40.43");
    ASSERT_TRUE(firstDay.texts) << firstDay.error;
    EXPECT_EQ(firstDay.texts->day, "1");
    const std::pair<const char*, const char*> cases[] = {
        {"A,07 Mar 1952,10.30,A,5,74.00", "has 6 fields"},     {",07 Mar 1952,10.30,A,5,74.00,40.43", "field 1"},
        {"A,07 Mrz 1952,10.30,A,5,74.00,40.43", "field 2"},    {"A,7/3/1952,10.30,A,5,74.00,40.43", "field 2"},
        {"A,07 Mar 1952,ten,A,5,74.00,40.43", "field 3"},      {"A,07 Mar 1952,10.30,X,5,74.00,40.43", "field 4"},
        {"A,07 Mar 1952,10.30,A,five,74.00,40.43", "field 5"}, {"A,07 Mar 1952,10.30,A,5,74W,40.43", "field 6"},
        {"A,07 Mar 1952,10.30,A,5,74.00,1e300", "field 7"},    {"A,32 Mar 1952,10.30,A,5,74.00,40.43", "field 2"},
        {"A,07 Mar 1952,24.00,P,5,74.00,40.43", "field 3"},    {"A,07 Mar 1952,10.30,A,5.5-,74.00,40.43", "field 5"},
    };
    for (const auto& [record, field] : cases) {
        const auto parse = parseNamesRecord(record);
        EXPECT_FALSE(parse.texts) << record;
        EXPECT_NE(parse.error.find(field), std::string::npos) << record << ": " << parse.error;
    }
}

TEST(NamesFile, AnEmptyFirstFieldOnTheThirdLineShowsTwoNamesAndLeavesTheRestUnread) {
    const NamesFile file = parseNamesFile(
        "Ann,07 Mar 1952,10.30,A,5,74.00,40.43\r\nBob,01 Jan 1960,1.05,P,5,71.04,42.22\r\n,01 Jan 1960,1,P,5,1,1\r\n"
        "notes kept below the list\r\nCy,01 Jan 1960,1.05,P,5,71.04,42.22\r\n");
    EXPECT_FALSE(file.error);
    ASSERT_EQ(file.records.size(), 2u);
    EXPECT_EQ(file.records[1].name, "Bob");
    EXPECT_EQ(file.records[1].text, "Bob,01 Jan 1960,1.05,P,5,71.04,42.22");
    EXPECT_EQ(file.records[1].line, 2);
}

}  // namespace
}  // namespace helion
