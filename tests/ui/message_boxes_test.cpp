#include <gtest/gtest.h>

#include "recording_message_boxes.h"

namespace helion::test {
namespace {

TEST(RecordingMessageBoxes, AnswersQuestionsInOrderThenNo) {
    RecordingMessageBoxes boxes;
    boxes.answers = {true};
    EXPECT_TRUE(boxes.askYesNo({"Q", "first?"}));
    EXPECT_FALSE(boxes.askYesNo({"Q", "second?"}));
    EXPECT_EQ(boxes.shown.size(), 2u);
}

}  // namespace
}  // namespace helion::test
