#include <gtest/gtest.h>

#include <string>

#include "../core/base/temp_folder.h"
#include "cli_run.h"
#include "golden.h"

namespace helion::test {
namespace {

class CosmodynesGolden : public ::testing::TestWithParam<GoldenCase> {};

// The clipboard file changes nothing on standard output.
TEST_P(CosmodynesGolden, ReportAndClipboardMatchTheReviewedText) {
    const GoldenCase& c = GetParam();
    const TempFolder folder;
    const auto clipboard = folder.path() / "clipboard.txt";
    const CliResult r = runCli("report cosmodynes " + c.arguments + " --clipboard '" + clipboard.string() + "'");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    expectMatchesGolden(r.out, goldenRoot() / "cosmodynes" / (std::string(c.name) + ".txt"));
    expectMatchesGolden(readFile(clipboard), goldenRoot() / "cosmodynes" / (std::string(c.name) + ".clipboard.txt"));
    EXPECT_EQ(runCli("report cosmodynes " + c.arguments).out, r.out);
}

INSTANTIATE_TEST_SUITE_P(FourCharts, CosmodynesGolden, ::testing::ValuesIn(goldenCases()),
                         [](const auto& test) { return std::string(test.param.name); });

TEST(CosmodynesCommand, UnwritableClipboardFileIsReported) {
    const CliResult r =
        runCli("report cosmodynes " + goldenCases()[0].arguments + " --clipboard /nonexistent-dir/clip.txt");
    EXPECT_NE(r.status, 0);
    EXPECT_NE(r.err, "");
}

}  // namespace
}  // namespace helion::test
