#include <gtest/gtest.h>

#include <filesystem>

#include "../core/base/temp_folder.h"
#include "cli_run.h"

namespace helion::test {
namespace {

const std::filesystem::path kShipped = std::filesystem::path(HELION_SOURCE_DIR) / "data";

void expectLines(const std::string& out, std::initializer_list<const char*> lines) {
    for (const char* line : lines) EXPECT_NE(out.find(line), std::string::npos) << line << "\n" << out;
}

TEST(CheckData, TheShippedDataIsCleanAndAMissingFolderIsRefused) {
    const CliResult r = runCli("check-data --folder " + kShipped.string());
    EXPECT_EQ(r.status, 0) << r.out;
    expectLines(r.out,
                {"OPTIONS.OPT: 222 entries read\n", "HCDATA.DAT: 121 values\n", ", 0 problem(s), 0 warning(s)\n"});
    EXPECT_EQ(runCli("check-data --folder /nonexistent/helion").status, 2);
}

// Which mistakes are found is the data check's; here the lines that tell them and the status.
TEST(CheckData, ListsProblemsAndWarningsUnderTheirFileAndEndsWithADataProblem) {
    const TempFolder folder;
    std::filesystem::copy(kShipped, folder.path());
    folder.write("NATAL.ORB", "8\r\nsix\r\n");
    folder.write("EMPTY.FIL", "");
    const CliResult r = runCli("check-data --folder " + folder.path().string());
    EXPECT_EQ(r.status, 1);
    expectLines(r.out, {"\nNATAL.ORB: 2 orbs read, 2 problem(s)\n  NATAL.ORB:2: no number in the first 7 characters",
                        "\n  NATAL.ORB: holds 2 value lines of 17", "\n  EMPTY.FIL: warning: the file holds no names\n",
                        "\n32 files checked, 2 problem(s), 1 warning(s)\n"});
}

}  // namespace
}  // namespace helion::test
