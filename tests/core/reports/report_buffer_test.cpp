#include "core/reports/report_buffer.h"

#include <gtest/gtest.h>

#include <string>

namespace helion {
namespace {

void appendLines(DataBuffer& buffer, int count) {
    for (int i = 0; i < count; ++i) buffer.appendReportLine("line " + std::to_string(i));
}

TEST(DataBuffer, ThreeLineReportHasSpareElementAndClosingBlankLine) {
    DataBuffer buffer;
    buffer.startReport();
    buffer.appendReportLine("a");
    buffer.appendReportLine("b");
    buffer.appendReportLine("c");
    EXPECT_EQ(buffer.fullList().count(), 3);
    EXPECT_EQ(buffer.fullList().elements(), (std::vector<std::string>{"a", "b", "c", ""}));

    EXPECT_EQ(buffer.showReport(), "a\r\nb\r\nc\r\n\r\n\r\n");
    EXPECT_EQ(buffer.fullList().count(), 4);
    EXPECT_TRUE(buffer.takeMessages().empty());
}

TEST(DataBuffer, ReportsAccumulateInTheFullListOnly) {
    DataBuffer buffer;
    buffer.appendReportLine("first report");
    buffer.startReport();
    buffer.beginReportBlock();
    buffer.appendReportLine("second report");
    EXPECT_EQ(buffer.fullList().lines(), (std::vector<std::string>{"first report", "", "second report"}));
    EXPECT_EQ(buffer.displayList().lines(), (std::vector<std::string>{"", "second report"}));
}

TEST(DataBuffer, ShowingNothingWhenTheFullListIsEmpty) {
    DataBuffer buffer;
    EXPECT_EQ(buffer.showReport(), std::nullopt);
    EXPECT_TRUE(buffer.displayList().empty());

    buffer.appendReportLine("kept on screen");
    const Message notice = buffer.clearAllData();
    EXPECT_EQ(notice, (Message{"Information!", "All data cleared from buffer."}));
    EXPECT_EQ(buffer.showReport(), std::nullopt);
    EXPECT_EQ(buffer.displayList().count(), 1);

    buffer.clearForNewChart();
    EXPECT_TRUE(buffer.displayList().empty());
}

TEST(DataBuffer, RefusesLinesBeyondTheLimitOnePerLineAndRecoversAfterClearing) {
    DataBuffer buffer;
    appendLines(buffer, kMaxReportLines);
    EXPECT_TRUE(buffer.takeMessages().empty());

    buffer.startReport();  // the display list has room, the full list has not
    EXPECT_FALSE(buffer.appendReportLine("lost"));
    EXPECT_FALSE(buffer.appendReportLine("lost too"));
    const std::vector<Message> messages = buffer.takeMessages();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0], warningMessage(kBufferFullText));
    EXPECT_EQ(buffer.fullList().count(), kMaxReportLines);
    EXPECT_TRUE(buffer.displayList().empty()) << "a refused line reaches neither list";
    EXPECT_TRUE(buffer.takeMessages().empty());

    buffer.clearAllData();
    EXPECT_TRUE(buffer.appendReportLine("room again"));
}

}  // namespace
}  // namespace helion
