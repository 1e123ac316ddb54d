#include "core/input/time_zone_table.h"

#include <gtest/gtest.h>

namespace helion {
namespace {

TEST(TimeZoneTable, ReadsRecordsSeparatedByCommasOrLineBreaks) {
    const TimeZoneTable table =
        parseTimeZoneTable("Eastern Standard Time,EST,5\r\nIndia,IST\n-5.5\r\n,,\r\nAfter,AFT,1\r\n");
    ASSERT_EQ(table.zones.size(), 2u);
    EXPECT_EQ(table.zones[1].name, "India");
    EXPECT_EQ(table.zones[1].offset, "-5.5");
    EXPECT_FALSE(table.error) << "the record after the empty name is simply not read";
}

TEST(TimeZoneTable, EveryFaultIsCorruptAndKeepsTheZonesBeforeIt) {
    const std::string name32(32, 'N');
    const TimeZoneTable table =
        parseTimeZoneTable(name32 + ",A,1\n" + name32 + "X,B,2\nZone,CODES,3\nZone,C,five\nLast,D");
    ASSERT_EQ(table.zones.size(), 1u);
    ASSERT_TRUE(table.error);
    EXPECT_EQ(table.error->text, "The file TZ.DAT is corrupt.");
    std::vector<int> lines;
    for (const auto& problem : table.problems) lines.push_back(problem.line);
    EXPECT_EQ(lines, (std::vector<int>{2, 3, 4, 5}));
}

TEST(TimeZoneTable, EmptyMissingAndBinaryFilesAreCorrupt) {
    EXPECT_TRUE(parseTimeZoneTable("").error);
    EXPECT_TRUE(loadTimeZoneTable("/nonexistent/TZ.DAT").error);
}

TEST(TimeZoneTable, ListLinesAlignTheOffsetByItsValue) {
    const std::string name32(32, 'N');
    const struct {
        std::string name, code, offset, line;
    } rows[] = {
        {"Eastern", "EST", "5", "Eastern                          - EST  =   5"},
        {"Zone", "Z", "-3.5", "Zone                             - Z    =  -3.5"},
        {"Zone", "Z", "-100", "Zone                             - Z    =-100"},
        {name32, "ABCD", "0", name32 + " - ABCD =   0"},
    };
    for (const auto& row : rows) EXPECT_EQ(timeZoneListLine({row.name, row.code, row.offset, 1}), row.line);
}

}  // namespace
}  // namespace helion
