#include "core/reports/print_file.h"

#include <gtest/gtest.h>

#include <fstream>

namespace helion {
namespace {

class PrintFile : public ::testing::Test {
protected:
    std::filesystem::path folder = std::filesystem::path(::testing::TempDir()) / "helion_print_file";
    void SetUp() override { std::filesystem::create_directories(folder); }
    void TearDown() override { std::filesystem::remove_all(folder); }

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
