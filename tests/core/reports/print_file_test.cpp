#include "core/reports/print_file.h"

#include <gtest/gtest.h>

#include <fstream>

#include "../app/temp_folder.h"

namespace helion {
namespace {

class PrintFile : public ::testing::Test {
protected:
    test::TempFolder temp;
    const std::filesystem::path& folder = temp.path();

    std::string printed() const {
        std::ifstream in(folder / kPrintFileName, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
};

TEST_F(PrintFile, PrintsTheCurrentReportOrEverything) {
    DataBuffer buffer;
    buffer.appendReportLine("earlier");
    buffer.startReport();
    buffer.appendReportLine("current");

    EXPECT_TRUE(writePrintFile(buffer, PrintScope::CurrentReport, folder).written);
    EXPECT_EQ(printed(), "current\r\n\r\n");
    EXPECT_TRUE(writePrintFile(buffer, PrintScope::AllData, folder).written);
    EXPECT_EQ(printed(), "earlier\r\ncurrent\r\n\r\n");
}

TEST_F(PrintFile, AfterClearingDataTheLastReportStillPrints) {
    DataBuffer buffer;
    buffer.appendReportLine("current");
    buffer.clearAllData();

    const PrintFileOutcome all = writePrintFile(buffer, PrintScope::AllData, folder);
    EXPECT_FALSE(all.written);
    EXPECT_EQ(all.message, (Message{"Information", "No data to print."}));
    EXPECT_TRUE(writePrintFile(buffer, PrintScope::CurrentReport, folder).written);
}

TEST_F(PrintFile, EmptyCurrentReportDoesNothing) {
    const PrintFileOutcome outcome = writePrintFile(DataBuffer{}, PrintScope::CurrentReport, folder);
    EXPECT_FALSE(outcome.written);
    EXPECT_EQ(outcome.message, std::nullopt);
    EXPECT_FALSE(std::filesystem::exists(folder / kPrintFileName));
}

}  // namespace
}  // namespace helion
