#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <string>

#include "cli_run.h"
#include "golden.h"

namespace helion::test {
namespace {

namespace fs = std::filesystem;

class CosmodynesGolden : public ::testing::TestWithParam<GoldenCase> {};

TEST_P(CosmodynesGolden, ReportAndClipboardMatchTheReviewedText) {
    const GoldenCase& c = GetParam();
    const fs::path clipboard = fs::temp_directory_path() / ("helion-cosmo-" + std::to_string(::getpid()) + ".txt");
    const CliResult r = runCli("report cosmodynes " + c.arguments + " --clipboard '" + clipboard.string() + "'");
    const std::string clipboardText = readFile(clipboard);
    fs::remove(clipboard);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    expectMatchesGolden(r.out, goldenRoot() / "cosmodynes" / (std::string(c.name) + ".txt"));
    expectMatchesGolden(clipboardText, goldenRoot() / "cosmodynes" / (std::string(c.name) + ".clipboard.txt"));
}

INSTANTIATE_TEST_SUITE_P(FourCharts, CosmodynesGolden, ::testing::ValuesIn(goldenCases()),
                         [](const auto& test) { return std::string(test.param.name); });

TEST(CosmodynesCommand, WithoutClipboardFilePrintsTheSameText) {
    const CliResult r = runCli("report cosmodynes " + goldenCases()[0].arguments);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, readFile(goldenRoot() / "cosmodynes" / "north_west.txt"));
}

TEST(CosmodynesCommand, UnwritableClipboardFileIsReported) {
    const CliResult r =
        runCli("report cosmodynes " + goldenCases()[0].arguments + " --clipboard /nonexistent-dir/clip.txt");
    EXPECT_NE(r.status, 0);
    EXPECT_NE(r.err, "");
}

}  // namespace
}  // namespace helion::test
