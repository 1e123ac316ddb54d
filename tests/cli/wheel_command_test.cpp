#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <filesystem>
#include <string>

#include "../core/base/temp_folder.h"
#include "cli_run.h"
#include "golden.h"

namespace helion::test {
namespace {

// The shipped data, not a user's copy with the wheel tables of an older version.
const std::string kCharts =
    " --natal 'Sample Chart,07 Mar 1952,10.30,A,5,74.00,40.43' "
    "--diurnal 'Today,06 Dec 2026,12.00,P,5,74.00,40.43' --folder '" HELION_SOURCE_DIR "/data'";

struct WheelRun {
    CliResult result;
    std::string written;  // the --out file's bytes
};

// Without a desktop session, as on a server.
WheelRun runWheel(const std::string& arguments, const char* name) {
    const TempFolder folder;
    const auto file = folder.path() / name;
    const CliResult r = runProgram("env -u XDG_RUNTIME_DIR " HELION_CLI,
                                   "wheel " + arguments + kCharts + " --out '" + file.string() + "'");
    EXPECT_EQ(r.status, 0) << arguments << r.err;
    return {r, readFile(file)};
}

nlohmann::json wheelJson(const std::string& arguments) {
    return nlohmann::json::parse(runWheel(arguments, "w.json").written);
}

// The window size sets the start scale; the layout and chart type reach the display list.
TEST(WheelCommand, SizeLayoutAndChartTypeReachTheDisplayList) {
    const struct {
        const char* arguments;
        int scale;
        const char* layout;
        const char* chartType;
    } rows[] = {
        {"natal --size 900x600", 338, "classic", "american"},
        {"natal --size 16x16", 225, "classic", "american"},  // the smallest window
        {"natal --european --layout spread", 300, "spread", "european"},
    };
    for (const auto& row : rows) {
        const auto json = wheelJson(row.arguments);
        EXPECT_EQ(json["scale"], row.scale) << row.arguments;
        EXPECT_EQ(json["layout"], row.layout) << row.arguments;
        EXPECT_EQ(json["chart_type"], row.chartType) << row.arguments;
    }
}

// The display lists of a few wheels, reviewed once by their drawings and kept exactly.
TEST(WheelCommand, DisplayListsMatchTheReviewedGoldenFiles) {
    const struct {
        const char* golden;
        const char* arguments;
    } rows[] = {
        {"single_american.json", "natal"},
        {"single_european.json", "natal --european"},
        {"dual_transits.json", "transits"},
        {"triple_transits_progressed.json", "transits-progressed-natal"},
        {"single_european_whole_sign.json", "natal --european --house W"},
        {"single_european_campanus.json", "natal --european --house C"},
    };
    for (const auto& row : rows) {
        const WheelRun run = runWheel(row.arguments, row.golden);
        EXPECT_EQ(run.result.err, "");  // Qt's set-up has nothing to say
        expectMatchesGolden(run.written, goldenRoot() / "wheels" / row.golden);
    }
}

// The file's signature; an SVG titles each glyph stack; a page's paper is in points.
TEST(WheelCommand, DrawsTheWheelOrThePageIntoTheNamedFile) {
    const struct {
        const char* name;
        const char* arguments;
        const char* holds;
    } rows[] = {
        {"wheel.png", "natal --size 640x480", "\x89PNG"},
        {"wheel.svg", "transits --size 800x600", "<title>SUN "},
        {"wheel.pdf", "minor-progressed-natal", "%PDF"},
        {"page.pdf", "natal --page", "/MediaBox [0 0 612.000000 792.000000]"},
        {"page.pdf", "natal --page --paper legal --landscape", "/MediaBox [0 0 1008.000000 612.000000]"},
    };
    for (const auto& row : rows) {
        const std::string bytes = runWheel(row.arguments, row.name).written;
        EXPECT_NE(bytes.find(row.holds), std::string::npos) << row.arguments;
        if (bytes.starts_with("\x89PNG")) {  // the header chunk's width and height, big-endian
            EXPECT_EQ(bytes.substr(16, 8), std::string("\0\0\x02\x80\0\0\x01\xe0", 8));
        }
    }
}

// A page whose entry 178 asks for the aspect grid takes its orbs from the wheel's orb file;
// without it the page is printed without the grid and the run ends with the data problem.
TEST(WheelCommand, APageWhoseOrbFileIsMissingIsPrintedWithoutItsGrid) {
    const TempFolder folder;
    std::filesystem::copy(HELION_SOURCE_DIR "/data", folder.path());
    const std::string options = folder.read("OPTIONS.OPT");
    std::size_t line178 = 0;
    for (int line = 1; line < 178; ++line) line178 = options.find('\n', line178) + 1;
    folder.write("OPTIONS.OPT", std::string(options).replace(line178, 1, "1"));
    std::filesystem::remove(folder.path() / "NATAL.ORB");
    std::string charts = kCharts;
    charts.replace(charts.find("--folder"), std::string::npos, "--folder '" + folder.path().string() + "'");
    const CliResult r = runCli("wheel natal --page" + charts + " --out " + (folder.path() / "page.pdf").string());
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("NATAL.ORB"), std::string::npos) << r.err;
    EXPECT_EQ(folder.read("page.pdf").substr(0, 4), "%PDF");
}

}  // namespace
}  // namespace helion::test
