#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "cli_run.h"

namespace helion::test {
namespace {

const std::string kRecords =
    "--natal 'Sample Chart,07 Mar 1952,10.30,A,5,74.00,40.43' --diurnal 'Today,06 Dec 2026,12.00,P,5,74.00,40.43'";

TEST(ChartCommand, PrintsFourChartSetsAsJson) {
    const CliResult r = runCli("chart " + kRecords + " --house K");
    ASSERT_EQ(r.status, 0) << r.err;
    const auto json = nlohmann::json::parse(r.out);
    EXPECT_EQ(json["house_system"], "K");
    EXPECT_NEAR(json["natal_obliquity"].get<double>(), 23.4455, 0.0001);
    for (const char* set : {"natal", "diurnal", "progressed", "minor_progressed"}) {
        const auto& s = json[set];
        EXPECT_EQ(s["longitude"].size(), 16u) << set;
        EXPECT_EQ(s["declination"].size(), 16u) << set;
        EXPECT_EQ(s["cusp"].size(), 14u) << set;
        EXPECT_EQ(s["cusp"][0], 0.0) << set;
        EXPECT_EQ(s["cusp"][13], 0.0) << set;
        EXPECT_EQ(s["longitude"][0], 0.0) << set;
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

TEST(ChartCommand, UnreadableRecordNamesItsField) {
    const CliResult r = runCli("chart --natal 'X,07 Mar 1952,10.30,Q,5,74.00,40.43' --diurnal 'Y,06 Dec 2026,12.00,P,5,74.00,40.43'");
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(r.out.empty());
    EXPECT_NE(r.err.find("--natal: field 4"), std::string::npos) << r.err;
}

TEST(ChartCommand, RefusedInputPrintsTheWindowsMessages) {
    const CliResult r = runCli(
        "chart --natal 'X,07 Mar 1952,10.30,A,5,74.00,70.00' --diurnal 'Y,06 Dec 2026,13.00,P,5,74.00,40.43'");
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(r.out.empty());
    EXPECT_NE(r.err.find("Warning! Your latitude is too high."), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("Warning! Error in diurnal input data section. Please correct."), std::string::npos) << r.err;
    // Meridian houses lift the latitude limit.
    const CliResult meridian = runCli(
        "chart --house M --natal 'X,07 Mar 1952,10.30,A,5,74.00,70.00' --diurnal 'Y,06 Dec 2026,12.00,P,5,74.00,40.43'");
    EXPECT_EQ(meridian.status, 0) << meridian.err;
}

TEST(ChartCommand, RefusesAMissingSubcommand) { EXPECT_NE(runCli("").status, 0); }

}  // namespace
}  // namespace helion::test
