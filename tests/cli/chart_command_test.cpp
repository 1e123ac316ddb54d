#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <string>

#include "../core/base/temp_folder.h"
#include "cli_run.h"
#include "golden.h"

namespace helion::test {
namespace {

constexpr const char* kDiurnal = " --diurnal 'Today,06 Dec 2026,12.00,P,5,74.00,40.43'";

// Information is told while the chart goes on.
TEST(ChartCommand, InformationIsToldOnStandardErrorWhileTheChartGoesOn) {
    const CliResult r = runCli("chart --natal 'X,07 Mar 1700,10.30,A,5,74.00,40.43'" + std::string(kDiurnal));
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_FALSE(r.out.empty());
    EXPECT_NE(r.err.find("Information No ephemeris file covers a date of this"), std::string::npos) << r.err;
}

// Four chart sets as JSON, numbers with 17 significant digits, in the house system of
// option 27 unless --house gives its letter.
TEST(ChartCommand, PrintsFourChartSetsInTheHouseSystemOfTheOptionsUnlessGiven) {
    const TempFolder folder;
    const std::string options = readFile(goldenRoot() / "folders" / "standard" / "OPTIONS.OPT");
    folder.write("OPTIONS.OPT", std::string(options).replace(options.find("1      House system"), 1, "3"));
    const std::string chart = "chart " + sampleNatal() + kDiurnal + " --folder '" + folder.path().string() + "'";
    for (const auto& [house, name] : {std::pair{"", "Koch"}, std::pair{" --house T", "Topocentric"}}) {
        const CliResult r = runCli(chart + house);
        ASSERT_EQ(r.status, 0) << r.err;
        const auto json = nlohmann::json::parse(r.out);
        EXPECT_EQ(json["house_system_name"], name) << house;
        for (const char* set : {"natal", "diurnal", "progressed", "minor_progressed"})
            EXPECT_EQ(json[set]["cusp"].size(), 14u) << set;
        const std::size_t jd = r.out.find("\"jd\": ") + 6;
        EXPECT_EQ(r.out.find(',', jd) - jd, 18u);  // 17 digits and the point
    }
    EXPECT_NE(runCli(chart + " --house X").status, 0);
}

}  // namespace
}  // namespace helion::test
