#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <string>

#include "../core/base/temp_folder.h"
#include "cli_run.h"
#include "golden.h"

namespace helion::test {
namespace {

constexpr const char* kDiurnal = " --diurnal 'Today,06 Dec 2026,12.00,P,5,74.00,40.43'";

// A field the reader cannot take; a warning that stops the run, its reason beneath it;
// information told while the chart goes on.
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
