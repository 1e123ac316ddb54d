#include <gtest/gtest.h>

#include <filesystem>

#include "../core/base/temp_folder.h"
#include "cli_run.h"

namespace helion::test {
namespace {

const std::filesystem::path kShipped = std::filesystem::path(HELION_SOURCE_DIR) / "data";

// A copy of the shipped data, to be spoiled by the test before check-data reads it.
class ShippedCopy : public TempFolder {
public:
    ShippedCopy() { std::filesystem::copy(kShipped, path()); }
    CliResult check() const { return runCli("check-data --folder " + path().string()); }
};

void expectLines(const std::string& out, std::initializer_list<const char*> lines) {
    for (const char* line : lines) EXPECT_NE(out.find(line), std::string::npos) << line << "\n" << out;
}

TEST(CheckData, TheShippedDataIsCleanAndAMissingFolderIsRefused) {
    const CliResult r = runCli("check-data --folder " + kShipped.string());
    EXPECT_EQ(r.status, 0) << r.out;
    expectLines(r.out, {"OPTIONS.OPT: 222 entries read", "HCDATA.DAT: 121 values\n", "RADIUS.DAT: 361 values\n",
                        ", 0 problem(s)"});
    EXPECT_EQ(runCli("check-data --folder /nonexistent/helion").status, 2);
}

TEST(CheckData, NamesTheFileAndLineOfEveryMistake) {
    const ShippedCopy folder;
    folder.write("NATAL.ORB", "8\r\nsix\r\n7\r\n");
    folder.write("OPTIONS.OPT", "8\r\n6\r\n\r\n");
    folder.write("MY.LL", "Here,There,84W23,33N45,5\r\nBad,Place,84W23,99N99,x\r\n");
    std::filesystem::remove(folder.path() / "TZ.DAT");
    folder.write("HCDATA.DAT", "1,2,3\r\n");  // a table must be whole
    std::filesystem::remove(folder.path() / "RADIUS.DAT");
    folder.write("ATLAS.DAT", "#zones\t2\r\nEurope/London\r\n\r\nEurope/Paris\r\n");
    const CliResult r = folder.check();
    EXPECT_EQ(r.status, 1);
    expectLines(r.out, {"NATAL.ORB: 3 orbs read, 2 problem(s)", "NATAL.ORB:2: no number",
                        "OPTIONS.OPT: 2 entries read, 1 problem(s)\n", "MY.LL:2: the time zone \"x\" is not a number",
                        "MY.LL:2: the latitude minutes", "TZ.DAT: the file cannot be read: it is missing",
                        "HCDATA.DAT: holds 3 values, 121 expected", "RADIUS.DAT: the file is missing",
                        "ATLAS.DAT:3: the section #zones counts 2 line(s), but here is an empty line"});
}

// Files whose form is right but whose meaning the program refuses or misreads.
TEST(CheckData, ChecksWhatTheNumbersMean) {
    const ShippedCopy folder;
    folder.write("NAMES.FIL",
                 "Year 2100,07 Mar 2100,10.30,A,5,74.00,40.43\r\nYear 0,07 Mar 0,10.30,A,5,74.00,40.43\r\n"
                 "Pole,07 Mar 1952,10.30,A,5,74.00,95.00\r\nMinutes,07 Mar 1952,10.30,A,5,74.00,40.75\r\n"
                 "Zone,07 Mar 1952,10.30,A,25,74.00,40.43\r\nTime,07 Mar 1952,13.75,A,5,74.00,40.43\r\n"
                 "Good,07 Mar 1952,10.30,A,5,74.00,40.43\r\n");
    folder.write("OPTIONS.OPT", "8,5\r\n0x1F\r\n1e999\r\n-2\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n");
    folder.write("NATAL.ORB", "8\r\n6\r\n1e999\r\n");
    folder.write("TZ.DAT", "Nowhere Time,NWT,99\r\nEastern Standard Time,EST,5\r\n");
    folder.write("EMPTY.FIL", "");
    folder.write("EMPTY.LL", "");
    std::filesystem::create_symlink(folder.path() / "LOOP.FIL", folder.path() / "LOOP.FIL");
    const CliResult r = folder.check();
    EXPECT_EQ(r.status, 1);
    expectLines(r.out,
                {
                    "NAMES.FIL:1: the chart computation refuses the record: a month above 12, a day above 31 or a year",
                    "NAMES.FIL:2: the chart computation refuses the record: the day, month or year is missing or 0",
                    "NAMES.FIL:3: the chart computation refuses the record: a latitude beyond 90 degrees",
                    "NAMES.FIL:4: the chart computation refuses the record: a latitude beyond 90 degrees",
                    "NAMES.FIL:5: the chart computation refuses the record: a time zone outside -13 to 12 hours",
                    "NAMES.FIL:6: the chart computation refuses the record: an hour above 12 or a minute above 59",
                    "OPTIONS.OPT:1: \"8,5\" is read as 8",
                    "OPTIONS.OPT:2: \"0x1F\" is read as 0",
                    "OPTIONS.OPT:3: the number 1e999 is too large to be held",
                    "OPTIONS.OPT:4: the value -2 is out of range: the orbs of the natal report are 0 to 180 degrees",
                    "OPTIONS.OPT: holds 10 value lines of 222: entries 11 to 222 are not set by it",
                    "NATAL.ORB:3: the number 1e999 is too large",
                    "NATAL.ORB: holds 3 value lines of 17: orbs 4 to 17 are not set by it",
                    "TZ.DAT:1: the offset 99 is outside -13 to 12 hours",
                    "EMPTY.FIL: warning: the file holds no names",
                    "EMPTY.LL: warning: the file holds no places",
                    "LOOP.FIL: the file cannot be read: its symbolic links loop",
                });
    EXPECT_EQ(r.out.find("NAMES.FIL:7"), std::string::npos) << r.out;
}

}  // namespace
}  // namespace helion::test
