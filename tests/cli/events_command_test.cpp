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

const std::string kShippedFolder = " --folder '" HELION_SOURCE_DIR "/data'";
const std::string kQuarter = " --from '01 Jan 2026' --to '31 Mar 2026'";

std::string eventsCommand(const std::string& options, const std::string& folder = kShippedFolder) {
    return "events " + sampleNatal() + " --diurnal 'Today,06 Dec 2026,12.00,P,5,74.00,40.43'" + folder + " " + options;
}

TEST(EventsCommand, JsonGivesOneObjectPerEventInDateOrderWithTheKeysInOrder) {
    const CliResult r = runCli(eventsCommand(kQuarter + " --json"));
    ASSERT_EQ(r.status, 0) << r.err;
    const std::vector<std::string> keys{"kind",       "moving", "body",        "aspect",      "target",
                                        "jd_ut",      "pass",   "enter_jd_ut", "leave_jd_ut", "longitude",
                                        "retrograde", "sign",   "house",       "local",       "detail"};
    double previous = 0.0;
    std::map<std::string, int> kinds;
    for (const auto& e : jsonLines(r.out)) {
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

TEST(EventsCommand, RefusesWhatItCannotUseSayingWhy) {
    const struct {
        const char* options;
        const char* error;
    } rows[] = {
        {"--from '31 Feb x' --to '01 Mar 2026'", "--from: '31 Feb x' is not a date"},
        {"--from '01 Jan 2026' --to '01 Mar 2026' --kinds transits,comets",
         "--kinds: 'transits,comets' names an unknown kind"},
        {"--from '01 Mar 2026' --to '01 Jan 2026'", "The period ends before it begins"},
        {"--from '01 Jan 2026' --to '31 Jan 2026' --out x.gif", "--out: expected FILE.png, FILE.svg or FILE.pdf"},
    };
    for (const auto& row : rows) {
        const CliResult r = runCli(eventsCommand(row.options));
        EXPECT_EQ(r.status, 2) << row.options;
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find(row.error), std::string::npos) << r.err;
    }
}

// An orb file that cannot be read leaves its events out and is named; the others still count.
TEST(EventsCommand, NamesAMissingOrbFileAndGoesOn) {
    const TempFolder folder;
    std::filesystem::copy(HELION_SOURCE_DIR "/data", folder.path());
    std::filesystem::remove(folder.path() / "NAT2TRAN.ORB");
    const CliResult r = runCli(eventsCommand(kQuarter, " --folder '" + folder.path().string() + "'"));
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.err.find("NAT2TRAN.ORB"), std::string::npos) << r.err;
    EXPECT_NE(r.out.find("NEW MOON"), std::string::npos);
}

// The picture as an SVG, each bar and marker titled with its report line.
TEST(EventsCommand, OutWritesThePictureWithATitlePerMark) {
    const TempFolder folder;
    const std::filesystem::path file = folder.path() / "timeline.svg";
    const CliResult r = runCli(eventsCommand(kQuarter + " --out '" + file.string() + "'"));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "");
    const std::string report = runCli(eventsCommand(kQuarter)).out;
    const auto newMoon = report.find("NEW MOON");
    ASSERT_NE(newMoon, std::string::npos);
    const auto lineStart = report.rfind("\n", newMoon) + 3;  // after the line's two blanks
    const std::string line = report.substr(lineStart, report.find('\n', newMoon) - lineStart);
    EXPECT_NE(readTextFile(file).value_or("").find("<title>" + line + "</title>"), std::string::npos) << line;
}

// The first progressed Moon square to the Sun the timeline finds shows at 0.0 degrees in the
// progressions report of its moment.
TEST(EventsCommand, AProgressedAspectIsExactInTheProgressionsReportOfItsMoment) {
    const CliResult r = runCli(eventsCommand("--from '01 Jan 2026' --to '31 Dec 2030' --kinds progressions --json"));
    ASSERT_EQ(r.status, 0) << r.err;
    for (const auto& e : jsonLines(r.out)) {
        if (e["body"] != "Moon" || e["aspect"] != "square" || e["target"] != "Sun") continue;
        // "dd mmm yyyy hh:mm:ss" on the 12-hour clock of the diurnal record.
        const std::string local = e["local"].get<std::string>();
        const int hour = std::stoi(local.substr(12, 2));
        const std::string clock = std::to_string(hour % 12 == 0 ? 12 : hour % 12) + "." + local.substr(15, 2);
        const std::string diurnal =
            " --diurnal 'Then," + local.substr(0, 11) + "," + clock + "," + (hour < 12 ? "A" : "P") + ",5,74.00,40.43'";
        const std::string report = runCli("report progressions " + sampleNatal() + diurnal + kShippedFolder).out;
        std::istringstream lines(report);
        bool exact = false;
        for (std::string line; std::getline(lines, line);)
            exact = exact || (line.starts_with("  MOON ") && line.find(" SUN ") != std::string::npos &&
                              line.find(" 0.0 degrees") != std::string::npos);
        EXPECT_TRUE(exact) << local << "\n" << report;
        return;
    }
    ADD_FAILURE() << "no progressed Moon square Sun in five years:\n" << r.out;
}

}  // namespace
}  // namespace helion::test
