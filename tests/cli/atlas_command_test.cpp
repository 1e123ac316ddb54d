#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <sstream>

#include "cli_run.h"

namespace helion::test {
namespace {

std::vector<nlohmann::json> jsonLines(const std::string& out) {
    std::vector<nlohmann::json> lines;
    std::istringstream stream(out);
    for (std::string line; std::getline(stream, line);) lines.push_back(nlohmann::json::parse(line));
    return lines;
}

TEST(AtlasCommand, JsonGivesEachPlaceBestFirstWithItsOffsetAtTheMoment) {
    const CliResult r = runCli("atlas \"new york\" --limit 3 --json --date \"07 Mar 1952\" --time 10.30 --ampm A");
    ASSERT_EQ(r.status, 0) << r.err;
    const auto places = jsonLines(r.out);
    ASSERT_EQ(places.size(), 3u);
    const nlohmann::json& first = places[0];
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

TEST(AtlasCommand, TextNamesThePlaceCoordinatesZoneOffsetAndReason) {
    const struct {
        const char* arguments;
        const char* firstLine;
    } rows[] = {
        {"atlas kolkata --limit 1 --date \"01 Mar 1945\"",
         "Kolkata, West Bengal, India  22°34' N  88°22' E  Asia/Kolkata  -6.5  war time"},
        {"atlas \"Sao Paulo\" --limit 1 --date \"15 Jan 2024\" --time 9.00 --ampm A",
         "São Paulo, São Paulo, Brazil  23°33' S  46°38' W  America/Sao_Paulo  3  standard time"},
        {"atlas \"new york\" --limit 1 --date \"03 Nov 2024\" --time 1.30 --ampm A",
         "New York City, New York, United States  40°43' N  74°00' W  America/New_York  4  EDT, daylight saving time"},
        {"atlas bombay --limit 1 --date \"15 Jan 2024\"",
         "Mumbai (Bombay), Maharashtra, India  19°04' N  72°53' E  Asia/Kolkata  -5.5  IST, standard time"},
    };
    for (const auto& row : rows) {
        const CliResult r = runCli(row.arguments);
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.out.substr(0, r.out.find('\n')), row.firstLine);
    }
}

TEST(AtlasCommand, RefusesWhatItCannotUse) {
    const struct {
        const char* arguments;
        int status;
        const char* error;
    } rows[] = {
        {"atlas xyzzyq", 1, "No place matches 'xyzzyq'."},
        {"atlas london --date \"31 Feb 2020\"", 2, "helion-cli: The date '31 Feb 2020' does not exist"},
        {"atlas london --date \"2020-02-01\"", 2, "helion-cli: The date '2020-02-01' is not a date of the form"},
        {"atlas london --limit 0", 105, "--limit: Value 0 not in range 1 to 1000000"},
        {"atlas london --limit -1", 105, "--limit: Value -1 not in range 1 to 1000000"},
        {"atlas london --date \"01 Jan 2020\" --time 25.00", 2, "helion-cli: The time '25.00' is not a clock time"},
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
