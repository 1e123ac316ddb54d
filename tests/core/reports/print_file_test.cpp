#include "core/reports/print_file.h"

#include <gtest/gtest.h>

#include "../base/temp_folder.h"

namespace helion {
namespace {

TEST(PrintFile, PrintsTheCurrentReportOrEverythingAndNothingWithoutAReport) {
    const test::TempFolder temp;
    const PrintFileOutcome none = writePrintFile(DataBuffer{}, PrintScope::CurrentReport, temp.path());
    EXPECT_FALSE(none.written || none.message);
    EXPECT_FALSE(std::filesystem::exists(temp.path() / kPrintFileName));

    DataBuffer buffer;
    buffer.appendReportLine("earlier");
    buffer.startReport();
    buffer.appendReportLine("current");

    EXPECT_TRUE(writePrintFile(buffer, PrintScope::CurrentReport, temp.path()).written);
    EXPECT_EQ(temp.read(kPrintFileName), "current\r\n\r\n");
    EXPECT_TRUE(writePrintFile(buffer, PrintScope::AllData, temp.path()).written);
    EXPECT_EQ(temp.read(kPrintFileName), "earlier\r\ncurrent\r\n\r\n");

    // After clearing the data the last report still prints, but all data is gone.
    buffer.clearAllData();
    const PrintFileOutcome all = writePrintFile(buffer, PrintScope::AllData, temp.path());
    EXPECT_FALSE(all.written);
    EXPECT_EQ(all.message, informationMessage("No data to print."));
    EXPECT_TRUE(writePrintFile(buffer, PrintScope::CurrentReport, temp.path()).written);
}

}  // namespace
}  // namespace helion
