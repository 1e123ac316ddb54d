#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "../core/base/temp_folder.h"
#include "cli_run.h"
#include "golden.h"

namespace helion::test {
namespace {

const std::string kShippedFolder = " --folder '" HELION_SOURCE_DIR "/data'";

std::string eventsCommand(const std::string& options, const std::string& folder = kShippedFolder) {
    return "events " + sampleNatal() + " --diurnal 'Today,06 Dec 2026,12.00,P,5,74.00,40.43'" + folder + " " + options;
}

// An orb file that cannot be read leaves its events out and is named; the others still count.
TEST(EventsCommand, NamesAMissingOrbFileAndGoesOn) {
    const TempFolder folder;
    std::filesystem::copy(HELION_SOURCE_DIR "/data", folder.path());
    std::filesystem::remove(folder.path() / "NAT2TRAN.ORB");
    const CliResult r =
        runCli(eventsCommand("--from '01 Jan 2026' --to '31 Mar 2026'", " --folder '" + folder.path().string() + "'"));
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.err.find("NAT2TRAN.ORB"), std::string::npos) << r.err;
    EXPECT_NE(r.out.find("NEW MOON"), std::string::npos);
}

// One JSON object an event, its keys in order. The first progressed Moon square to the Sun
// the timeline finds is exact in the progressions report of its moment.
TEST(EventsCommand, AProgressedAspectIsExactInTheProgressionsReportOfItsMoment) {
    const CliResult r = runCli(eventsCommand("--from '01 Jan 2026' --to '31 Dec 2030' --kinds progressions --json"));
    ASSERT_EQ(r.status, 0) << r.err;
    for (const auto& e : jsonLines(r.out)) {
        std::vector<std::string> keys;
        for (const auto& [key, value] : e.items()) keys.push_back(key);
        EXPECT_EQ(keys, (std::vector<std::string>{"kind", "moving", "body", "aspect", "target", "jd_ut", "pass",
                                                  "enter_jd_ut", "leave_jd_ut", "longitude", "retrograde", "sign",
                                                  "house", "local", "detail"}));
        if (e["body"] != "Moon" || e["aspect"] != "square" || e["target"] != "Sun") continue;
        // "dd mmm yyyy hh:mm:ss" on the 12-hour clock of the diurnal record.
        const std::string local = e["local"].get<std::string>();
        const int hour = std::stoi(local.substr(12, 2));
        const std::string diurnal = " --diurnal 'Then," + local.substr(0, 11) + "," +
                                    std::to_string((hour + 11) % 12 + 1) + "." + local.substr(15, 2) + "," +
                                    (hour < 12 ? "A" : "P") + ",5,74.00,40.43'";
        const std::string report = runCli("report progressions " + sampleNatal() + diurnal + kShippedFolder).out;
        EXPECT_TRUE(std::regex_search(report, std::regex("\n  MOON .* SUN .* 0\\.0 degrees"))) << local << report;
        return;
    }
    ADD_FAILURE() << "no progressed Moon square Sun in five years:\n" << r.out;
}

}  // namespace
}  // namespace helion::test
