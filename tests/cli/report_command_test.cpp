#include <gtest/gtest.h>

#include <filesystem>
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

// The printed text with CR LF line ends and a form-feed line after every 20 lines.
TEST(ReportCommand, SaveWritesTheDocumentOfThePrintedText) {
    const TempFolder folder;
    const std::string arguments = std::string("report natal ") + goldenCases()[1].arguments;
    const CliResult saved = runCli(arguments + " --save '" + (folder.path() / "REPORT.DOC").string() + "'");
    ASSERT_EQ(saved.status, 0) << saved.err;
    EXPECT_EQ(saved.out, "");
    std::string text = folder.read("REPORT.DOC");
    std::size_t at = 0;
    for (int line = 0; line < 20; ++line) at = text.find("\r\n", at) + 2;
    EXPECT_EQ(text.substr(at, 3), "\f\r\n");
    for (std::size_t page; (page = text.find("\f\r\n")) != std::string::npos;) text.erase(page, 3);
    std::erase(text, '\r');
    EXPECT_EQ(text, runCli(arguments).out);
}

TEST(ReportCommand, RefusesWhatItCannotUse) {
    const std::string records = sampleNatal() + " --diurnal 'Today,06 Dec 2026,12.00,P,5,74.00,40.43'";
    const TempFolder empty;
    const CliResult noOptions = runCli("report natal " + records + " --folder '" + empty.path().string() + "'");
    EXPECT_EQ(noOptions.status, 1);
    EXPECT_EQ(noOptions.out, "");
    EXPECT_NE(noOptions.err.find("Error!"), std::string::npos) << noOptions.err;
    EXPECT_EQ(noOptions.err.find("values in use"), std::string::npos) << "none are in use: " << noOptions.err;

    const CliResult unwritable =
        runCli("report natal " + records + folderOption("standard") + " --save /nonexistent-dir/REPORT.DOC");
    EXPECT_EQ(unwritable.status, 2);
    EXPECT_NE(unwritable.err.find("cannot be written: its folder does not exist."), std::string::npos)
        << unwritable.err;

    const CliResult noName = runCli("report natal " + records + folderOption("standard") + " --save ''");
    EXPECT_EQ(noName.status, 2);
    EXPECT_EQ(noName.out, "") << "an empty file name is not standard output";

    EXPECT_NE(runCli("report " + records).status, 0);  // no report named
}

}  // namespace
}  // namespace helion::test
