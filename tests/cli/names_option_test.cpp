#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <algorithm>
#include <sstream>
#include <string>

#include "../core/base/temp_folder.h"
#include "cli_run.h"

namespace helion::test {
namespace {

constexpr const char* kDiurnal = " --diurnal 'Today,06 Dec 2026,12.00,P,5,74.00,40.43'";
constexpr const char* kSample = "Sample Chart,07 Mar 1952,10.30,A,5,74.00,40.43";

TEST(NamesOption, TakesTheNatalRecordByNameInAnyCase) {
    TempFolder folder;
    const auto names =
        folder.write("P.FIL", std::string("Ann,01 Jan 1960,1.05,P,5,71.04,42.22\r\n") + kSample + "\r\n");
    const CliResult byName = runCli("chart --names " + names.string() + " --record 'sample CHART'" + kDiurnal);
    const CliResult byRecord = runCli(std::string("chart --natal '") + kSample + "'" + kDiurnal);
    ASSERT_EQ(byName.status, 0) << byName.err;
    EXPECT_EQ(byName.out, byRecord.out);

    const struct {
        std::string arguments;
        const char* complaint;
    } refused[] = {
        {"chart --names " + names.string() + " --record Nobody" + kDiurnal, "no record named 'Nobody'"},
        {std::string("chart") + kDiurnal, "give --natal, or --names with --record"},
        {"chart --names " + names.string() + " --record Ann", "--diurnal is required"},
    };
    for (const auto& row : refused) {
        const CliResult r = runCli(row.arguments);
        EXPECT_EQ(r.status, 2) << row.arguments;
        EXPECT_NE(r.err.find(row.complaint), std::string::npos) << r.err;
    }
}

TEST(NamesOption, AllChartsEveryReadableRecordOnALineOfItsOwn) {
    TempFolder folder;
    const auto names = folder.write(
        "P.FIL", std::string(kSample) +
                     "\r\nBroken,1\r\nBad Date,31 Foo 1960,1.05,P,5,1,1\r\n"
                     "Late,01 Jan 1960,25.00,P,5,1,1\r\nAnn,01 Jan 1960,1.05,P,5,71.04,42.22\r\n\r\nAfter,x\r\n");
    const CliResult r = runCli("chart --names " + names.string() + " --all");
    EXPECT_EQ(r.status, 1);
    std::istringstream lines(r.out);
    std::vector<nlohmann::json> charts;
    for (std::string line; std::getline(lines, line);) charts.push_back(nlohmann::json::parse(line));
    ASSERT_EQ(charts.size(), 2u);
    EXPECT_NEAR(charts[0]["natal"]["jd"].get<double>(), 2434079.1458333, 1e-6);
    EXPECT_EQ(charts[0]["natal"]["jd"], charts[0]["diurnal"]["jd"]) << "its own diurnal record";
    const std::string fileName = names.string();
    EXPECT_NE(r.err.find(fileName + ":2: the record has 2 fields"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find(fileName + ":3: field 2"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find(fileName + ":4: field 3"), std::string::npos) << "no time of day: " << r.err;
    EXPECT_EQ(r.err.find(":7:"), std::string::npos) << "the list ends at the empty line";
}

// Line ends converted twice (CR CR LF) still end one line each; a line with a NUL is named
// and the people before it are charted.
TEST(NamesOption, AllChartsTheRecordsBeforeALineWithAControlCharacter) {
    TempFolder folder;
    using namespace std::string_literals;
    const auto names = folder.write("P.FIL", kSample + "\r\r\nAnn,01 Jan 1960,1.05,P,5,71.04,42.22\r\r\n"s +
                                                 "C\0y,01 Jan 1960,1.05,P,5,71.04,42.22\r\r\n"s);
    const CliResult r = runCli("chart --names " + names.string() + " --all");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 2);
    EXPECT_NE(r.err.find(names.string() + ":3: a control character"), std::string::npos) << r.err;
}

}  // namespace
}  // namespace helion::test
