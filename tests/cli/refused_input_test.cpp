#include <gtest/gtest.h>

#include <string>

#include "../core/base/temp_folder.h"
#include "cli_run.h"
#include "golden.h"

namespace helion::test {
namespace {

// Each command refuses what it cannot use with its status, the reason on standard error and
// nothing on standard output; which input is wrong is the readers' and checks' to decide.
TEST(RefusedInput, EachCommandSaysWhyAndPrintsNothing) {
    const TempFolder folder;  // a program folder without options
    const auto names = folder.write("P.FIL", "Ann,01 Jan 1960,1.05,P,5,71.04,42.22\r\n").string();
    const std::string diurnal = " --diurnal 'Today,06 Dec 2026,12.00,P,5,74.00,40.43'";
    const std::string shipped = sampleNatal() + diurnal + " --folder '" HELION_SOURCE_DIR "/data' ";
    const std::string standard = sampleNatal() + diurnal + folderOption("standard");
    const struct {
        std::string arguments;
        int status;
        const char* error;
    } rows[] = {
        {"chart --natal 'X,07 Mar 1952,10.30,Q,5,74.00,40.43'" + diurnal, 2, "--natal: field 4"},
        {"chart --natal 'X,07 Mar 3000,10.30,A,5,74.00,40.43'" + diurnal, 2,
         "Warning! Error in natal input data section. Please correct.\n"
         "helion-cli: natal record: a month above 12, a day above 31 or a year above 2099\n"},
        {"chart --names " + names + " --record Nobody" + diurnal, 2, "no record named 'Nobody'"},
        {"chart" + diurnal, 2, "give --natal, or --names with --record"},
        {"chart --names " + names + " --record Ann", 2, "--diurnal is required"},
        {"report natal " + sampleNatal() + diurnal + " --folder '" + folder.path().string() + "'", 1, "Error!"},
        {"report natal " + standard + " --save /nonexistent-dir/R.DOC", 2, "its folder does not exist."},
        {"report natal " + standard + " --save ''", 2, "--save"},  // not standard output
        {"report " + sampleNatal(), 106, "A subcommand is required"},
        {"events " + shipped + "--from '31 Feb x' --to '01 Mar 2026'", 2, "--from: '31 Feb x' is not a date"},
        {"events " + shipped + "--from '01 Jan 2026' --to '01 Mar 2026' --kinds transits,comets", 2,
         "--kinds: 'transits,comets' names an unknown kind"},
        {"events " + shipped + "--from '01 Mar 2026' --to '01 Jan 2026'", 2, "The period ends before it begins"},
        {"events " + shipped + "--from '01 Jan 2026' --to '31 Jan 2026' --out x.gif", 2,
         "--out: expected FILE.png, FILE.svg or FILE.pdf"},
        {"wheel natal --out x.gif " + shipped, 2, "--out: expected FILE.png"},
        {"wheel natal --size 10x10 --out x.json " + shipped, 2, "each from 16 to 20000"},
        {"wheel natal --paper a4 --out x.pdf " + shipped, 2, "they choose the paper of the printed page (--page)"},
        {"wheel natal --out /nonexistent/x.json " + shipped, 2,
         "cannot write /nonexistent/x.json: its folder does not exist"},
        {"atlas xyzzyq", 1, "No place matches 'xyzzyq'."},
        {"atlas london --date \"31 Feb 2020\"", 2, "helion-cli: The date '31 Feb 2020' does not exist"},
        {"atlas london --limit -1", 105, "--limit: Value -1 not in range 1 to 1000000"},
        {"atlas london --atlas /nonexistent/ATLAS.DAT", 2,
         "Error! The place list /nonexistent/ATLAS.DAT cannot be read."},
    };
    for (const auto& row : rows) {
        const CliResult r = runCli(row.arguments);
        EXPECT_EQ(r.status, row.status) << row.arguments;
        EXPECT_EQ(r.out, "") << row.arguments;
        EXPECT_NE(r.err.find(row.error), std::string::npos) << r.err;
        EXPECT_EQ(r.err.find("values in use"), std::string::npos) << r.err;  // none are in use
    }
}

}  // namespace
}  // namespace helion::test
