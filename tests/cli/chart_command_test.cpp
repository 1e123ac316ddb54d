#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <filesystem>
#include <string>

#include "../core/base/temp_folder.h"
#include "cli_run.h"
#include "golden.h"

namespace helion::test {
namespace {

constexpr const char* kDiurnal = " --diurnal 'Today,06 Dec 2026,12.00,P,5,74.00,40.43'";

TEST(ChartCommand, PrintsFourChartSetsAsJson) {
    const CliResult r = runCli("chart " + sampleNatal() + kDiurnal + " --house K");
    ASSERT_EQ(r.status, 0) << r.err;
    const auto json = nlohmann::json::parse(r.out);
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

// One row per way the command ends: a field the reader cannot take, a warning that stops
// the run with the reason beneath it, and information told while the chart goes on. Which
// input warns is the input checks' and the pipeline's to decide.
TEST(ChartCommand, RefusedOrAdjustedInputIsToldOnStandardError) {
    const struct {
        const char* natal;  // date, clock time and latitude
        int status;
        const char* error;
    } rows[] = {
        {"07 Mar 1952,10.30,Q,5,74.00,40.43", 2, "--natal: field 4"},
        {"07 Mar 3000,10.30,A,5,74.00,40.43", 2,
         "Warning! Error in natal input data section. Please correct.\n"
         "helion-cli: natal record: a month above 12, a day above 31 or a year above 2099\n"},
        {"07 Mar 1700,10.30,A,5,74.00,40.43", 0, "Information No ephemeris file covers a date of this"},
    };
    for (const auto& row : rows) {
        const CliResult r = runCli(std::string("chart --natal 'X,") + row.natal + "'" + kDiurnal);
        EXPECT_EQ(r.status, row.status) << row.natal << r.err;
        EXPECT_EQ(r.out.empty(), row.status != 0) << row.natal;
        EXPECT_NE(r.err.find(row.error), std::string::npos) << r.err;
    }
    EXPECT_NE(runCli("").status, 0);  // no subcommand
}

// Option 27 names the house system unless --house gives its letter; older options files keep
// their numbers, the newer systems take numbers no older file uses, an unknown one is Placidus.
TEST(ChartCommand, HouseSystemComesFromTheProgramOptionsUnlessGiven) {
    const TempFolder folder;
    const std::string options = readFile(goldenRoot() / "folders" / "standard" / "OPTIONS.OPT");
    const std::size_t entry27 = options.find("1      House system");
    ASSERT_NE(entry27, std::string::npos);
    const std::string chart = "chart " + sampleNatal() + kDiurnal + " --folder '" + folder.path().string() + "'";
    const struct {
        const char* option27;
        const char* house;
        const char* code;
        const char* name;
    } rows[] = {
        {"1", "", "P", "Placidus"},     {"2", "", "R", "Regiomontanus"}, {"3", "", "K", "Koch"},
        {"5", "", "O", "Porphyry"},     {"8", "", "M", "Meridian"},      {"9", "", "E", "Equal"},
        {"10", "", "W", "Whole Sign"},  {"11", "", "C", "Campanus"},     {"12", "", "B", "Alcabitius"},
        {"13", "", "T", "Topocentric"}, {"4", "", "P", "Placidus"},      {"3", " --house T", "T", "Topocentric"},
    };
    for (const auto& row : rows) {
        folder.write("OPTIONS.OPT", std::string(options).replace(entry27, 1, row.option27));
        const CliResult r = runCli(chart + row.house);
        ASSERT_EQ(r.status, 0) << r.err;
        const auto json = nlohmann::json::parse(r.out);
        EXPECT_EQ(json["house_system"], row.code) << row.option27 << row.house;
        EXPECT_EQ(json["house_system_name"], row.name) << row.option27 << row.house;
    }
    EXPECT_NE(runCli(chart + " --house X").status, 0);
    std::filesystem::remove(folder.path() / "OPTIONS.OPT");
    const CliResult broken = runCli(chart);
    EXPECT_EQ(broken.status, 1);
    EXPECT_TRUE(broken.out.empty());
}

}  // namespace
}  // namespace helion::test
