#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>

#include "../core/base/temp_folder.h"
#include "cli_run.h"
#include "core/base/text_file.h"
#include "golden.h"

namespace helion::test {
namespace {

const std::string kSampleDiurnal = " --diurnal 'Today,06 Dec 2026,12.00,P,5,74.00,40.43'";

// The shipped program folder, with its orb files.
const std::string kShippedFolder = " --folder '" HELION_SOURCE_DIR "/data'";

std::string eventsCommand(const std::string& options) {
    return "events " + sampleNatal() + kSampleDiurnal + kShippedFolder + " " + options;
}

TEST(EventsCommand, JsonGivesOneObjectPerEventInDateOrderWithTheKeysInOrder) {
    const CliResult r = runCli(eventsCommand("--from '01 Jan 2026' --to '31 Mar 2026' --json"));
    ASSERT_EQ(r.status, 0) << r.err;
    const auto events = jsonLines(r.out);
    ASSERT_GT(events.size(), 20u);
    const std::vector<std::string> keys{"kind",       "moving", "body",        "aspect",      "target",
                                        "jd_ut",      "pass",   "enter_jd_ut", "leave_jd_ut", "longitude",
                                        "retrograde", "sign",   "house",       "local",       "detail"};
    double previous = 0.0;
    std::map<std::string, int> kinds;
    for (const auto& e : events) {
        std::vector<std::string> found;
        for (const auto& [key, value] : e.items()) found.push_back(key);
        EXPECT_EQ(found, keys);
        EXPECT_GE(e["jd_ut"].get<double>(), previous);
        previous = e["jd_ut"].get<double>();
        ++kinds[e["kind"].get<std::string>()];
    }
    for (const char* kind : {"aspect", "station", "sign_ingress", "house_ingress", "new_moon", "full_moon",
                             "solar_eclipse", "lunar_eclipse"})
        EXPECT_GT(kinds[kind], 0) << kind;
}

struct RefusedCase {
    const char* options;
    const char* error;
};

class EventsRefused : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(EventsRefused, SaysWhyAndExitsWithBadInput) {
    const CliResult r = runCli(eventsCommand(GetParam().options));
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find(GetParam().error), std::string::npos) << r.err;
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, EventsRefused,
    ::testing::Values(RefusedCase{"--from '31 Feb x' --to '01 Mar 2026'", "--from: '31 Feb x' is not a date"},
                      RefusedCase{"--from '01 Jan 2026' --to '01 Mar 2026' --kinds transits,comets",
                                  "--kinds: 'transits,comets' names an unknown kind"},
                      RefusedCase{"--from '01 Mar 2026' --to '01 Jan 2026'", "The period ends before it begins"},
                      RefusedCase{"--from '01 Jan 2026' --to '31 Jan 2026' --out x.gif",
                                  "--out: expected FILE.png, FILE.svg or FILE.pdf"}));

// The picture as an SVG, each bar and marker titled with its report lines.
TEST(EventsCommand, OutWritesThePictureWithATitlePerMark) {
    const TempFolder folder;
    const std::filesystem::path file = folder.path() / "timeline.svg";
    const std::string period = "--from '01 Jan 2026' --to '31 Mar 2026'";
    const CliResult r = runCli(eventsCommand(period + " --out '" + file.string() + "'"));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "");
    const std::string report = runCli(eventsCommand(period)).out;
    const auto newMoon = report.find("NEW MOON");
    ASSERT_NE(newMoon, std::string::npos);
    const auto lineStart = report.rfind("\n", newMoon) + 3;  // after the line's two blanks
    const std::string line = report.substr(lineStart, report.find('\n', newMoon) - lineStart);
    const std::string svg = readTextFile(file).value_or("");
    EXPECT_NE(svg.find("<title>" + line + "</title>"), std::string::npos) << line;
}

// A progressed Moon aspect found by the timeline shows at 0.0 degrees in the progressions
// report of its moment.
TEST(EventsCommand, ProgressedAspectsAreExactInTheProgressionsReportOfTheirMoment) {
    const CliResult r = runCli(eventsCommand("--from '01 Jan 2026' --to '31 Dec 2030' --kinds progressions --json"));
    ASSERT_EQ(r.status, 0) << r.err;
    const std::map<std::string, std::string> reportNames{
        {"Sun", "SUN"},         {"Mercury", "MERCURY"}, {"Venus", "VENUS"},   {"Mars", "MARS"},
        {"Jupiter", "JUPITER"}, {"Saturn", "SATURN"},   {"Uranus", "URANUS"}, {"Neptune", "NEPTUNE"},
        {"Pluto", "PLUTO"},     {"Moon", "MOON"},       {"Ascendant", "ASC"}, {"Midheaven", "MC"}};
    int checked = 0;
    for (const auto& e : jsonLines(r.out)) {
        const std::string aspect = e["aspect"].is_null() ? "" : e["aspect"].get<std::string>();
        if (e["body"] != "Moon" || (aspect != "square" && aspect != "trine" && aspect != "sextile") ||
            !reportNames.count(e["target"].get<std::string>()))
            continue;
        // "dd mmm yyyy hh:mm:ss" on the 12-hour clock of the diurnal record.
        const std::string local = e["local"].get<std::string>();
        const int hour = std::stoi(local.substr(12, 2));
        const std::string clock = std::to_string(hour % 12 == 0 ? 12 : hour % 12) + "." + local.substr(15, 2);
        const std::string diurnal =
            " --diurnal 'Then," + local.substr(0, 11) + "," + clock + "," + (hour < 12 ? "A" : "P") + ",5,74.00,40.43'";
        const CliResult report = runCli("report progressions " + sampleNatal() + diurnal + kShippedFolder);
        ASSERT_EQ(report.status, 0) << report.err;
        const std::string target = reportNames.at(e["target"].get<std::string>());
        bool exact = false;
        std::istringstream lines(report.out);
        for (std::string line; std::getline(lines, line);) {
            exact = exact || (line.starts_with("  MOON ") && line.find(" " + target + " ") != std::string::npos &&
                              line.find(" 0.0 degrees") != std::string::npos);
        }
        EXPECT_TRUE(exact) << local << " " << aspect << " " << target;
        if (++checked == 3) break;
    }
    EXPECT_EQ(checked, 3);
}

}  // namespace
}  // namespace helion::test
