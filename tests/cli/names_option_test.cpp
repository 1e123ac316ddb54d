#include <gtest/gtest.h>

#include <string>

#include "../core/base/temp_folder.h"
#include "cli_run.h"

namespace helion::test {
namespace {

using namespace std::string_literals;

constexpr const char* kDiurnal = " --diurnal 'Today,06 Dec 2026,12.00,P,5,74.00,40.43'";
const std::string kSample = "Sample Chart,07 Mar 1952,10.30,A,5,74.00,40.43";
const std::string kAnn = "Ann,01 Jan 1960,1.05,P,5,71.04,42.22";

TEST(NamesOption, TakesTheNatalRecordByNameInAnyCase) {
    TempFolder folder;
    const auto names = folder.write("P.FIL", kAnn + "\r\n" + kSample + "\r\n");
    const CliResult byName = runCli("chart --names " + names.string() + " --record 'sample CHART'" + kDiurnal);
    const CliResult byRecord = runCli("chart --natal '" + kSample + "'" + kDiurnal);
    ASSERT_EQ(byName.status, 0) << byName.err;
    EXPECT_EQ(byName.out, byRecord.out);
}

// --all charts every readable record against itself and names each line it cannot read. An
// empty line ends the list, a line with a NUL the reading; CR CR LF ends one line.
TEST(NamesOption, AllChartsEveryReadableRecordAndNamesTheOthers) {
    const struct {
        std::string content;
        std::size_t charts;
        const char* told;  // after the file name
        const char* notTold;
    } rows[] = {
        {kSample + "\r\nBroken,1\r\n" + kAnn + "\r\n\r\nAfter,x\r\n", 2, ":2: the record has 2 fields", ":5:"},
        {kSample + "\r\r\n" + kAnn + "\r\r\nC\0y,01 Jan 1960,1.05,P,5,71.04,42.22\r\r\n"s, 2, ":3: a control character",
         ":4:"},
    };
    for (const auto& row : rows) {
        TempFolder folder;
        const auto names = folder.write("P.FIL", row.content);
        const CliResult r = runCli("chart --names " + names.string() + " --all");
        EXPECT_EQ(r.status, 1);
        const auto charts = jsonLines(r.out);
        ASSERT_EQ(charts.size(), row.charts);
        EXPECT_NEAR(charts[0]["diurnal"]["jd"].get<double>(), 2434079.1458333, 1e-6);  // the Sample Chart
        EXPECT_NE(r.err.find(names.string() + row.told), std::string::npos) << r.err;
        EXPECT_EQ(r.err.find(row.notTold), std::string::npos) << r.err;
    }
}

}  // namespace
}  // namespace helion::test
