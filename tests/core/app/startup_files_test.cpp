// The small pieces start-up and the main window read: wheel tables, help texts, the
// caption clock and window geometry in twips.
#include <gtest/gtest.h>

#include "../base/temp_folder.h"
#include "core/app/program_title.h"
#include "core/config/twips.h"
#include "core/config/wheel_data_tables.h"
#include "core/reports/help_text.h"

namespace helion {
namespace {

TEST(WheelDataTables, ReadsCommaAndLineSeparatedValuesAndPadsWithZero) {
    const auto read = parseIntegerTable("1, -2,3\r\n4\r\n\r\n5,", "HCDATA.DAT", 7);
    ASSERT_TRUE(read.values);
    EXPECT_EQ(*read.values, (std::vector<std::int16_t>{1, -2, 3, 4, 5, 0, 0}));
    EXPECT_FALSE(read.warning);
}

TEST(WheelDataTables, RefusesTooManyOrBadValuesWithAWarning) {
    const std::string notWhole = "\", which is not a whole number from -32768 to 32767.";
    const std::pair<const char*, std::string> rows[] = {
        {"1,2,3,4", " holds more than 3 values."},
        {"1,x,3", " holds \"x" + notWhole},
        {"40000", " holds \"40000" + notWhole},
    };
    for (const auto& [text, says] : rows) {
        const auto read = parseIntegerTable(text, "RADIUS.DAT", 3);
        EXPECT_FALSE(read.values) << text;
        EXPECT_EQ(read.warning,
                  (Message{kWarningCaption, "The file RADIUS.DAT" + says + " The wheels are drawn without it."}));
    }
}

TEST(WheelDataTables, AMissingFileIsSkippedQuietly) {
    test::TempFolder folder;
    const auto read = readIntegerTable(folder.path(), kCuspLabelFile, kCuspLabelEntries);
    EXPECT_FALSE(read.values);
    EXPECT_FALSE(read.warning);
    folder.write("HCDATA.DAT", "7\r\n");
    EXPECT_EQ(readIntegerTable(folder.path(), kCuspLabelFile, kCuspLabelEntries).values->at(0), 7);
}

TEST(HelpText, ShowsEveryLineOrWarnsWhenTheFileIsMissing) {
    test::TempFolder folder;
    folder.write("HINTS.HLP", "First line\r\n\r\nThird line\r\n");
    EXPECT_EQ(helpTextReport(folder.path(), "HINTS.HLP").lines, (ReportLines{"First line", "", "Third line"}));
    const Report missing = helpTextReport(folder.path(), "PHILO.HLP");
    EXPECT_TRUE(missing.lines.empty());
    ASSERT_EQ(missing.messages.size(), 1u);
    EXPECT_EQ(missing.messages[0].caption, kWarningCaption);
}

TEST(ProgramTitle, ClockCaptionIsTitleDateFiveBlanksAndTime) {
    EXPECT_EQ(clockCaption({1952, 3, 7}, "10:30:05"), "Helion (Tropical zodiac) - 07 Mar 1952     10:30:05");
}

TEST(Twips, FifteenPerPixelAt96DpiAndScaledWithTheDpi) {
    EXPECT_EQ(twipsToPixels(10860, 96), 724);
    EXPECT_EQ(twipsToPixels(675, 144), 68);  // 67.5 rounds away from zero
    EXPECT_EQ(pixelsToTwips(724, 96), 10860);
    EXPECT_EQ(twipsToPixels(pixelsToTwips(333, 120), 120), 333);
}

}  // namespace
}  // namespace helion
