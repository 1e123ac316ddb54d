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

// Refused input and a moment outside the library's range stop the chart; the library's
// analytical theory and a rolled date are told while the chart goes on.
TEST(ChartCommand, RefusedOrAdjustedInputIsToldOnStandardError) {
    const struct {
        const char* natal;  // date, clock time and latitude
        const char* diurnalTime;
        const char* house;
        int status;
        const char* error;
    } rows[] = {
        {"07 Mar 1952,10.30,Q,5,74.00,40.43", "12.00", "", 2, "--natal: field 4"},
        {"07 Mar 1952,10.30,A,5,74.00,70.00", "12.00", "", 2, "Warning! Your latitude is too high."},
        {"07 Mar 1952,10.30,A,5,74.00,70.00", "12.00", " --house M", 0, ""},  // Meridian houses: no limit
        {"07 Mar 1952,10.30,A,5,74.00,70.00", "12.00", " --house W", 0, ""},
        {"07 Mar 1952,10.30,A,5,74.00,70.00", "12.00", " --house T", 2, "Warning! Your latitude is too high."},
        {"07 Mar 1952,10.30,A,5,74.00,40.43", "13.00", "", 2, "Warning! Error in diurnal input data section."},
        {"07 Mar 3000,10.30,A,5,74.00,40.43", "12.00", "", 2,
         "Warning! Error in natal input data section. Please correct.\n"
         "helion-cli: natal record: a month above 12, a day above 31 or a year above 2099\n"},
        {"07 Mar -5000,10.30,A,5,74.00,40.43", "12.00", "", 2, "Warning! Charts can be computed for dates from 28 Feb"},
        {"07 Mar 1700,10.30,A,5,74.00,40.43", "12.00", "", 0, "Information No ephemeris file covers a date of this"},
        {"31 Apr 1952,10.30,A,5,74.00,40.43", "12.00", "", 0,
         "Information The natal date 4/31/1952 does not exist; the chart is computed for 5/1/1952."},
    };
    for (const auto& row : rows) {
        const CliResult r = runCli(std::string("chart --natal 'X,") + row.natal + "' --diurnal 'Y,06 Dec 2026," +
                                   row.diurnalTime + ",P,5,74.00,40.43'" + row.house);
        EXPECT_EQ(r.status, row.status) << row.natal << r.err;
        EXPECT_EQ(r.out.empty(), row.status != 0) << row.natal;
        EXPECT_NE(r.err.find(row.error), std::string::npos) << r.err;
    }
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
    // The letter given, or none for option 27's Koch, and the name it stands for.
    const std::pair<std::string, const char*> rows[] = {
        {"", "Koch"},      {"P", "Placidus"},   {"R", "Regiomontanus"}, {"K", "Koch"},
        {"O", "Porphyry"}, {"M", "Meridian"},   {"E", "Equal"},         {"W", "Whole Sign"},
        {"C", "Campanus"}, {"B", "Alcabitius"}, {"T", "Topocentric"}};
    for (const auto& [letter, name] : rows) {
        const CliResult r = runCli(chart + (letter.empty() ? "" : " --house " + letter));
        ASSERT_EQ(r.status, 0) << r.err;
        const auto json = nlohmann::json::parse(r.out);
        EXPECT_EQ(json["house_system"], letter.empty() ? "K" : letter);
        EXPECT_EQ(json["house_system_name"], name) << letter;
    }
    EXPECT_NE(runCli(chart + " --house X").status, 0);
    std::filesystem::remove(folder.path() / "OPTIONS.OPT");
    const CliResult broken = runCli(chart);
    EXPECT_EQ(broken.status, 1);
    EXPECT_TRUE(broken.out.empty());
}

}  // namespace
}  // namespace helion::test
