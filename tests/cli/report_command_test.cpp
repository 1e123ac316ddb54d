#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "../core/base/temp_folder.h"
#include "cli_run.h"
#include "golden.h"

namespace helion::test {
namespace {

const char* const kReports[] = {"natal", "progressions", "minor", "summary", "transits"};

class ReportGolden : public ::testing::TestWithParam<std::tuple<const char*, GoldenCase>> {};

TEST_P(ReportGolden, MatchesTheReviewedText) {
    const auto& [report, c] = GetParam();
    const CliResult r = runCli(std::string("report ") + report + " " + c.arguments);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    expectMatchesGolden(r.out, goldenRoot() / report / (std::string(c.name) + ".txt"));
}

INSTANTIATE_TEST_SUITE_P(AllReports, ReportGolden,
                         ::testing::Combine(::testing::ValuesIn(kReports), ::testing::ValuesIn(goldenCases())),
                         [](const auto& test) {
                             return std::string(std::get<0>(test.param)) + "_" + std::get<1>(test.param).name;
                         });

// Whole Sign cusps on sign boundaries and Campanus cusps from the ephemeris library, in
// the headers, the cusp table and every point's house.
TEST(ReportCommand, NatalReportInWholeSignAndCampanusHousesMatchesTheReviewedText) {
    for (const auto& [name, house] : {std::pair{"whole_sign", "W"}, std::pair{"campanus", "C"}}) {
        const CliResult r = runCli("report natal " + goldenCases()[0].arguments + " --house " + house);
        ASSERT_EQ(r.status, 0) << r.err;
        expectMatchesGolden(r.out, goldenRoot() / "natal" / (std::string(name) + ".txt"));
    }
}

// The document of the printed text, its pages as long as the program folder's options ask.
TEST(ReportCommand, SaveWritesTheDocumentOfThePrintedText) {
    const TempFolder folder;
    const std::string arguments = "report natal " + goldenCases()[1].arguments;
    const CliResult saved = runCli(arguments + " --save '" + (folder.path() / "REPORT.DOC").string() + "'");
    ASSERT_EQ(saved.status, 0) << saved.err;
    EXPECT_EQ(saved.out, "");
    const std::string document = folder.read("REPORT.DOC"), report = runCli(arguments).out;
    EXPECT_TRUE(document.starts_with(report.substr(0, report.find('\n')) + "\r\n"));
    std::size_t at = 0;
    for (int line = 0; line < 20; ++line) at = document.find("\r\n", at) + 2;
    EXPECT_EQ(document.substr(at, 3), "\f\r\n");
}

// A program folder without options names no values in use, for none are.
TEST(ReportCommand, RefusesWhatItCannotUse) {
    const TempFolder empty;
    const std::string natal = "report natal " + sampleNatal() + " --diurnal 'Today,06 Dec 2026,12.00,P,5,74.00,40.43'";
    const struct {
        std::string arguments;
        int status;
        const char* error;
    } rows[] = {
        {natal + " --folder '" + empty.path().string() + "'", 1, "Error!"},
        {natal + folderOption("standard") + " --save /nonexistent-dir/R.DOC", 2, "its folder does not exist."},
        {natal + folderOption("standard") + " --save ''", 2, "--save"},  // not standard output
        {"report " + sampleNatal(), 106, "A subcommand is required"},
    };
    for (const auto& row : rows) {
        const CliResult r = runCli(row.arguments);
        EXPECT_EQ(r.status, row.status) << row.arguments;
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find(row.error), std::string::npos) << r.err;
        EXPECT_EQ(r.err.find("values in use"), std::string::npos) << r.err;
    }
}

}  // namespace
}  // namespace helion::test
