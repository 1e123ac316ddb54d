#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "cli_run.h"

namespace helion::test {
namespace {

namespace fs = std::filesystem;

const fs::path kGolden = fs::path(HELION_SOURCE_DIR) / "tests" / "golden";

std::string folderOption(const char* folder) { return " --folder '" + (kGolden / "folders" / folder).string() + "'"; }

struct CosmodynesCase {
    const char* name;
    std::string arguments;
};

const std::string kSampleNatal = "--natal 'Sample Chart,07 Mar 1952,10.30,A,5,74.00,40.43'";

// The charts of the other reports' golden files: north-west; south-east with Koch
// houses; planets at the last minutes of their signs; a second person.
const CosmodynesCase kCases[] = {
    {"north_west", kSampleNatal + " --diurnal 'Today,06 Dec 2026,12.00,P,5,74.00,40.43'" + folderOption("standard")},
    {"south_east",
     "--natal 'Southern Chart,15 Jul 1988,8.45,P,-10,-151.12,-33.52' --diurnal 'Sydney,01 Feb 2026,9.00,A,-11,-151.12,-33.52'"
     " --house K" + folderOption("minor")},
    {"sign_edges",
     "--natal 'Edge Case,07 Jan 1995,4.56,A,0,0.07,51.30' --diurnal 'Later,07 Jan 2025,4.56,A,0,0.07,51.30' --house R" +
         folderOption("standard")},
    {"second_person",
     kSampleNatal + " --diurnal 'Partner,21 Jun 1955,11.15,P,6,87.39,41.51' --second-person" + folderOption("standard")},
};

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void expectMatchesGolden(const std::string& actual, const fs::path& golden) {
    if (std::getenv("UPDATE_GOLDEN")) {
        fs::create_directories(golden.parent_path());
        std::ofstream(golden, std::ios::binary) << actual;
        return;
    }
    if (actual == readFile(golden)) return;
    fs::path out = golden;
    out += ".actual";
    std::ofstream(out, std::ios::binary) << actual;
    ADD_FAILURE() << "text differs; run: diff -u " << golden << " " << out;
}

class CosmodynesGolden : public ::testing::TestWithParam<CosmodynesCase> {};

TEST_P(CosmodynesGolden, ReportAndClipboardMatchTheReviewedText) {
    const CosmodynesCase& c = GetParam();
    const fs::path clipboard = fs::temp_directory_path() / ("helion-cosmo-" + std::to_string(::getpid()) + ".txt");
    const CliResult r = runCli("report cosmodynes " + c.arguments + " --clipboard '" + clipboard.string() + "'");
    const std::string clipboardText = readFile(clipboard);
    fs::remove(clipboard);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out.find('\r'), std::string::npos);
    // Show report's empty line and the spare empty element close the text.
    EXPECT_TRUE(r.out.ends_with("\n\n\n"));
    EXPECT_TRUE(clipboardText.ends_with("\r\n"));
    expectMatchesGolden(r.out, kGolden / "cosmodynes" / (std::string(c.name) + ".txt"));
    expectMatchesGolden(clipboardText, kGolden / "cosmodynes" / (std::string(c.name) + ".clipboard.txt"));
}

INSTANTIATE_TEST_SUITE_P(FourCharts, CosmodynesGolden, ::testing::ValuesIn(kCases),
                         [](const auto& test) { return std::string(test.param.name); });

TEST(CosmodynesCommand, WithoutClipboardFilePrintsTheSameText) {
    const CliResult r = runCli("report cosmodynes " + kCases[0].arguments);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, readFile(kGolden / "cosmodynes" / "north_west.txt"));
}

TEST(CosmodynesCommand, UnwritableClipboardFileIsReported) {
    const CliResult r = runCli("report cosmodynes " + kCases[0].arguments + " --clipboard /nonexistent-dir/clip.txt");
    EXPECT_NE(r.status, 0);
    EXPECT_NE(r.err, "");
}

}  // namespace
}  // namespace helion::test
