#include "core/input/names_file.h"

#include <gtest/gtest.h>

namespace helion {
namespace {

TEST(NamesFile, AnEmptyFirstFieldOnTheThirdLineShowsTwoNames) {
    const NamesFile file = parseNamesFile(
        "Ann,07 Mar 1952,10.30,A,5,74.00,40.43\r\nBob,01 Jan 1960,1.05,P,5,71.04,42.22\r\n,01 Jan 1960,1,P,5,1,1\r\n");
    ASSERT_EQ(file.names.size(), 2u);
    EXPECT_EQ(file.names[1].name, "Bob");
    EXPECT_EQ(file.names[1].text, "Bob,01 Jan 1960,1.05,P,5,71.04,42.22");
    EXPECT_EQ(file.names[1].line, 2);
}

TEST(NamesFile, ALineWithTooFewFieldsIsTheNamesError) {
    const NamesFile file = parseNamesFile("Ann,07 Mar 1952,10.30,A,5,74.00\nBob,01 Jan 1960,1.05,P,5,71.04,42.22\n");
    EXPECT_TRUE(file.names.empty());
    ASSERT_TRUE(file.error);
    EXPECT_EQ(file.error->text, kNamesFileErrorText);
    EXPECT_EQ(file.problems.front().line, 1);
}

}  // namespace
}  // namespace helion
