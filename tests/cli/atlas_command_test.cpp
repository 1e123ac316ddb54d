#include <gtest/gtest.h>

#include "cli_run.h"

namespace helion::test {
namespace {

TEST(AtlasCommand, JsonGivesEachPlaceBestFirstWithItsOffsetAtTheMoment) {
    const CliResult r = runCli("atlas \"new york\" --limit 3 --json --date \"07 Mar 1952\" --time 10.30 --ampm A");
    ASSERT_EQ(r.status, 0) << r.err;
    const auto places = jsonLines(r.out);
    ASSERT_EQ(places.size(), 3u);
    const nlohmann::ordered_json& first = places[0];
    EXPECT_EQ(first["name"], "New York City");
    EXPECT_EQ(first["region"], "New York");
    EXPECT_EQ(first["region_code"], "NY");
    EXPECT_EQ(first["country"], "United States");
    EXPECT_NEAR(first["latitude"].get<double>(), 40.7143, 1e-9);
    EXPECT_NEAR(first["longitude"].get<double>(), -74.0060, 1e-9);
    EXPECT_EQ(first["zone"], "America/New_York");
    EXPECT_EQ(first["offset_hours"], 5.0);
    EXPECT_EQ(first["reason"], "EST, standard time");
    ASSERT_EQ(first["warnings"].size(), 1u);
    EXPECT_TRUE(first["warnings"][0].get<std::string>().starts_with("Before 1970"));
}

// The line's form; which place, offset and reason are the search's and the zone history's.
TEST(AtlasCommand, TextNamesThePlaceCoordinatesZoneOffsetAndReason) {
    const CliResult r = runCli("atlas \"Sao Paulo\" --limit 1 --date \"15 Jan 2024\" --time 9.00 --ampm A");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "São Paulo, São Paulo, Brazil  23°33' S  46°38' W  America/Sao_Paulo  3  standard time\n");
}

TEST(AtlasCommand, RefusesWhatItCannotUse) {
    const struct {
        const char* arguments;
        int status;
        const char* error;
    } rows[] = {
        {"atlas xyzzyq", 1, "No place matches 'xyzzyq'."},
        {"atlas london --date \"31 Feb 2020\"", 2, "helion-cli: The date '31 Feb 2020' does not exist"},
        {"atlas london --limit 0", 105, "--limit: Value 0 not in range 1 to 1000000"},
        {"atlas london --limit -1", 105, "--limit: Value -1 not in range 1 to 1000000"},
        {"atlas london --atlas /nonexistent/ATLAS.DAT", 2,
         "Error! The place list /nonexistent/ATLAS.DAT cannot be read."},
    };
    for (const auto& row : rows) {
        const CliResult r = runCli(row.arguments);
        EXPECT_EQ(r.status, row.status) << row.arguments;
        EXPECT_TRUE(r.err.starts_with(row.error)) << r.err;
        EXPECT_EQ(r.out, "");
    }
}

}  // namespace
}  // namespace helion::test
