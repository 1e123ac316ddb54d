#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <unistd.h>

#include "cli_run.h"

namespace helion::test {
namespace {

const std::filesystem::path kShipped = std::filesystem::path(HELION_SOURCE_DIR) / "data";

TEST(CheckData, TheShippedDataIsClean) {
    const CliResult r = runCli("check-data --folder " + kShipped.string());
    EXPECT_EQ(r.status, 0) << r.out;
    EXPECT_NE(r.out.find("OPTIONS.OPT: 222 entries read"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("HCDATA.DAT: 121 values\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("RADIUS.DAT: 361 values\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find(", 0 problem(s)"), std::string::npos) << r.out;
}

TEST(CheckData, NamesTheFileAndLineOfEveryMistake) {
    const auto folder = std::filesystem::temp_directory_path() / ("helion-check-data-" + std::to_string(::getpid()));
    std::filesystem::remove_all(folder);
    std::filesystem::copy(kShipped, folder);
    std::ofstream(folder / "NATAL.ORB", std::ios::binary) << "8\r\nsix\r\n7\r\n";
    std::ofstream(folder / "OPTIONS.OPT", std::ios::binary) << "8\r\n6\r\n\r\n";
    std::ofstream(folder / "MY.LL", std::ios::binary) << "Here,There,84W23,33N45,5\r\nBad,Place,84W23,99N99,x\r\n";
    std::filesystem::remove(folder / "TZ.DAT");
    std::ofstream(folder / "HCDATA.DAT", std::ios::binary) << "1,2,3\r\n";  // a table must be whole
    std::filesystem::remove(folder / "RADIUS.DAT");
    const CliResult r = runCli("check-data --folder " + folder.string());
    std::filesystem::remove_all(folder);
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.out.find("NATAL.ORB: 3 orbs read, 2 problem(s)"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("NATAL.ORB:2: no number"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("OPTIONS.OPT: 2 entries read, 1 problem(s)\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("MY.LL:2: the time zone \"x\" is not a number"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("MY.LL:2: the latitude minutes"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("TZ.DAT: the file cannot be read: it is missing"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("HCDATA.DAT: holds 3 values, 121 expected"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("RADIUS.DAT: the file is missing"), std::string::npos) << r.out;
}

// Files whose form is right but whose meaning the program refuses or misreads.
TEST(CheckData, ChecksWhatTheNumbersMean) {
    const auto folder = std::filesystem::temp_directory_path() / ("helion-check-meaning-" + std::to_string(::getpid()));
    std::filesystem::remove_all(folder);
    std::filesystem::copy(kShipped, folder);
    const auto write = [&](const char* name, const std::string& text) {
        std::ofstream(folder / name, std::ios::binary) << text;
    };
    write("NAMES.FIL",
          "Year 2100,07 Mar 2100,10.30,A,5,74.00,40.43\r\nYear 0,07 Mar 0,10.30,A,5,74.00,40.43\r\n"
          "Pole,07 Mar 1952,10.30,A,5,74.00,95.00\r\nMinutes,07 Mar 1952,10.30,A,5,74.00,40.75\r\n"
          "Zone,07 Mar 1952,10.30,A,25,74.00,40.43\r\nTime,07 Mar 1952,13.75,A,5,74.00,40.43\r\n"
          "Good,07 Mar 1952,10.30,A,5,74.00,40.43\r\n");
    std::string options;
    for (const char* first : {"8,5", "0x1F", "1e999", "-2"}) options += std::string(first) + "\r\n";
    for (int line = 5; line <= 10; ++line) options += "1\r\n";
    write("OPTIONS.OPT", options);
    write("NATAL.ORB", "8\r\n6\r\n1e999\r\n");
    write("TZ.DAT", "Nowhere Time,NWT,99\r\nEastern Standard Time,EST,5\r\n");
    write("EMPTY.FIL", "");
    write("EMPTY.LL", "");
    std::filesystem::create_symlink(folder / "LOOP.FIL", folder / "LOOP.FIL");
    const CliResult r = runCli("check-data --folder " + folder.string());
    std::filesystem::remove_all(folder);
    EXPECT_EQ(r.status, 1);
    for (const char* line : {
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
         }) {
        EXPECT_NE(r.out.find(line), std::string::npos) << line << "\n" << r.out;
    }
    EXPECT_EQ(r.out.find("NAMES.FIL:7"), std::string::npos) << r.out;
}

TEST(CheckData, RefusesAFolderThatDoesNotExist) {
    EXPECT_EQ(runCli("check-data --folder /nonexistent/helion").status, 2);
}

}  // namespace
}  // namespace helion::test
