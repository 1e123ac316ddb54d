// The small pieces start-up and the main window read: wheel tables, help texts and
// window geometry in twips.
#include <gtest/gtest.h>

#include "../base/temp_folder.h"
#include "core/config/twips.h"
#include "core/config/wheel_data_tables.h"
#include "core/reports/help_text.h"

namespace helion {
namespace {

TEST(WheelDataTables, ReadsCommaAndLineSeparatedValuesWithTheirLines) {
    const auto read = parseIntegerTable("1, -2,3\r\n4\r\n\r\n5,", 7);
    EXPECT_EQ(read.values, (std::vector<std::int16_t>{1, -2, 3, 4, 5}));
    EXPECT_EQ(read.lines, (std::vector<int>{1, 1, 1, 2, 4}));
    EXPECT_FALSE(read.fault);
}

TEST(WheelDataTables, StopsAtTheFirstFaultAndNamesItsLine) {
    const std::string notWhole = "\" is not a whole number from -32768 to 32767";
    const std::pair<const char*, LineProblem> rows[] = {
        {"1,2\r\n3,4", {2, "the table ends after 3 values"}},
        {"1\r\nx,3", {2, "\"x" + notWhole}},
        {"40000", {1, "\"40000" + notWhole}},
    };
    for (const auto& [text, fault] : rows) EXPECT_EQ(parseIntegerTable(text, 3).fault, fault) << text;
}

TEST(HelpText, ShowsEveryLineOrWarnsWhenTheFileIsMissing) {
    test::TempFolder folder;
    folder.write("HINTS.HLP", "First line\r\n\r\nThird line\r\n");
    EXPECT_EQ(helpTextReport(folder.path(), "HINTS.HLP").lines, (ReportLines{"First line", "", "Third line"}));
    const Report missing = helpTextReport(folder.path(), "PHILO.HLP");
    EXPECT_TRUE(missing.lines.empty());
    ASSERT_EQ(missing.messages.size(), 1u);
    EXPECT_EQ(missing.messages[0].severity, Severity::Warning);
}

TEST(Twips, FifteenPerPixelAt96DpiAndScaledWithTheDpi) {
    EXPECT_EQ(twipsToPixels(10860, 96), 724);
    EXPECT_EQ(twipsToPixels(675, 144), 68);  // 67.5 rounds away from zero
    EXPECT_EQ(pixelsToTwips(724, 96), 10860);
    EXPECT_EQ(twipsToPixels(pixelsToTwips(333, 120), 120), 333);
}

}  // namespace
}  // namespace helion
