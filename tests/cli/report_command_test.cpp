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

}  // namespace
}  // namespace helion::test
