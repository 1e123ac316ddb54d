#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <filesystem>
#include <string>
#include <vector>

#include "../core/base/temp_folder.h"
#include "cli_run.h"
#include "golden.h"

namespace helion::test {
namespace {

TEST(ChartCommand, PrintsFourChartSetsAsJson) {
    const CliResult r = runCli(
        "chart --natal 'Sample Chart,07 Mar 1952,10.30,A,5,74.00,40.43' "
        "--diurnal 'Today,06 Dec 2026,12.00,P,5,74.00,40.43' --house K");
    ASSERT_EQ(r.status, 0) << r.err;
    const auto json = nlohmann::json::parse(r.out);
    EXPECT_EQ(json["house_system"], "K");
    EXPECT_NEAR(json["natal_obliquity"].get<double>(), 23.4455, 0.0001);
    for (const char* set : {"natal", "diurnal", "progressed", "minor_progressed"}) {
        const auto& s = json[set];
        EXPECT_EQ(s["longitude"].size(), 16u) << set;
        EXPECT_EQ(s["declination"].size(), 16u) << set;
        EXPECT_EQ(s["cusp"].size(), 14u) << set;
        EXPECT_EQ(s["placement"].get<std::string>().size(), 150u) << set;
        EXPECT_EQ(s["retrograde"].get<std::string>().size(), 15u) << set;
        EXPECT_FALSE(s["sidereal_time"].get<std::string>().empty()) << set;
    }
    // 7 March 1952 15:30 UT: the Sun stood at 16 Pisces.
    EXPECT_NEAR(json["natal"]["longitude"][1].get<double>(), 346.9, 0.2);
    EXPECT_NEAR(json["natal"]["jd"].get<double>(), 2434079.1458333, 1e-6);
    // Numbers carry 17 significant digits.
    const std::size_t jd = r.out.find("\"jd\": ") + 6;
    const std::string digits = r.out.substr(jd, r.out.find(',', jd) - jd);
    EXPECT_EQ(digits.size(), 18u) << digits;  // 17 digits and the point
}

TEST(ChartCommand, RefusedInputPrintsWhyAndNothingElse) {
    struct Row {
        const char* natal;
        const char* diurnalTime;
        std::vector<const char*> errors;
    };
    for (const Row& row : {Row{"X,07 Mar 1952,10.30,Q,5,74.00,40.43", "12.00", {"--natal: field 4"}},
                           Row{"X,07 Mar 1952,10.30,A,5,74.00,70.00",
                               "13.00",
                               {"Warning! Your latitude is too high.",
                                "Warning! Error in diurnal input data section. Please correct."}}}) {
        const CliResult r = runCli(std::string("chart --natal '") + row.natal + "' --diurnal 'Y,06 Dec 2026," +
                                   row.diurnalTime + ",P,5,74.00,40.43'");
        EXPECT_EQ(r.status, 2);
        EXPECT_TRUE(r.out.empty());
        for (const char* error : row.errors) EXPECT_NE(r.err.find(error), std::string::npos) << r.err;
    }
    // Meridian houses lift the latitude limit.
    const CliResult meridian = runCli(
        "chart --house M --natal 'X,07 Mar 1952,10.30,A,5,74.00,70.00' --diurnal 'Y,06 Dec "
        "2026,12.00,P,5,74.00,40.43'");
    EXPECT_EQ(meridian.status, 0) << meridian.err;
    EXPECT_NE(runCli("").status, 0);  // no subcommand
}

TEST(ChartCommand, HouseSystemComesFromTheProgramOptionsUnlessGiven) {
    const TempFolder folder;
    std::string options = readFile(goldenRoot() / "folders" / "standard" / "OPTIONS.OPT");
    const std::size_t entry27 = options.find("1      House system");
    ASSERT_NE(entry27, std::string::npos);
    options[entry27] = '3';  // Koch
    folder.write("OPTIONS.OPT", options);
    const std::string chart = "chart " + sampleNatal() + " --diurnal 'Today,06 Dec 2026,12.00,P,5,74.00,40.43'" +
                              " --folder '" + folder.path().string() + "'";
    struct Row {
        const char* house;
        const char* expected;
    };
    for (const Row& row : {Row{"", "K"}, Row{" --house R", "R"}, Row{" --house P", "P"}}) {
        const CliResult r = runCli(chart + row.house);
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(nlohmann::json::parse(r.out)["house_system"], row.expected) << row.house;
    }
    std::filesystem::remove(folder.path() / "OPTIONS.OPT");
    const CliResult broken = runCli(chart);
    EXPECT_EQ(broken.status, 1);
    EXPECT_TRUE(broken.out.empty());
}

}  // namespace
}  // namespace helion::test
