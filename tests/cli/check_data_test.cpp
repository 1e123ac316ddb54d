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
    EXPECT_NE(r.out.find("NATAL.ORB: 3 orbs read, 1 problem(s)"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("NATAL.ORB:2: no number"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("OPTIONS.OPT: 2 entries read\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("MY.LL:2: the time zone \"x\" is not a number"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("MY.LL:2: the latitude minutes"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("TZ.DAT: the file cannot be read"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("HCDATA.DAT: holds 3 values, 121 expected"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("RADIUS.DAT: the file is missing"), std::string::npos) << r.out;
}

TEST(CheckData, RefusesAFolderThatDoesNotExist) {
    EXPECT_EQ(runCli("check-data --folder /nonexistent/helion").status, 2);
}

}  // namespace
}  // namespace helion::test
