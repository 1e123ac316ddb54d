#include "core/base/text_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace helion {
namespace {

using Lines = std::vector<std::string_view>;

TEST(TextFile, ARunOfCarriageReturnsBeforeALineFeedEndsOneLine) {
    struct Row {
        std::string_view text;
        Lines lines;
    };
    for (const Row& row : {
             Row{"a\r\nb\r\n", {"a", "b"}},
             Row{"a\nb", {"a", "b"}},
             Row{"a\r\r\nb\r\r\n", {"a", "b"}},  // converted twice
             Row{"a\r\n\r\nb", {"a", "", "b"}},  // a truly empty line
             Row{"a\r\r\n\r\r\nb", {"a", "", "b"}},
             Row{"a\r\rb", {"a", "", "b"}},
         }) {
        EXPECT_EQ(splitLines(row.text), row.lines) << testing::PrintToString(std::string(row.text));
    }
}

}  // namespace
}  // namespace helion
