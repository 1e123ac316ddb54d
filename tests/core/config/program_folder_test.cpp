#include "core/config/program_folder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include "../base/temp_folder.h"

namespace helion {
namespace {

class ProgramFolderTest : public ::testing::Test {
protected:
    ProgramFolderTest() {
        std::filesystem::create_directories(shipped());
        std::filesystem::create_directories(bin());
        root.write("share/helion/OPTIONS.MAS", "1\r\n");
        root.write("share/helion/NATAL.ORB", "8\r\n");
    }
    std::filesystem::path shipped() const { return root.path() / "share" / "helion"; }
    std::filesystem::path bin() const { return root.path() / "bin"; }
    std::filesystem::path home() const { return root.path() / "home"; }
    ProgramFolder resolve() const { return resolveProgramFolder(bin(), shipped(), home()); }
    test::TempFolder root;
};

TEST_F(ProgramFolderTest, AWritableExecutableFolderWithTheDataIsTheProgramFolder) {
    root.write("bin/OPTIONS.MAS", "1\r\n");
    const ProgramFolder folder = resolve();
    EXPECT_EQ(folder.folder, bin());
    EXPECT_FALSE(folder.perUser);
    EXPECT_FALSE(std::filesystem::exists(home()));
}

TEST_F(ProgramFolderTest, OtherwiseThePerUserFolderIsFilledWithTheDataFilesOnly) {
    root.write("share/helion/helion",
               "\x7f"
               "ELF");
    std::filesystem::permissions(shipped() / "helion", std::filesystem::perms::owner_all);
    const ProgramFolder folder = resolve();
    EXPECT_TRUE(folder.perUser);
    EXPECT_EQ(folder.folder, home() / "helion");
    EXPECT_TRUE(folder.messages.empty());
    EXPECT_EQ(readTextFile(folder.folder / "NATAL.ORB"), "8\r\n");
    EXPECT_FALSE(std::filesystem::exists(folder.folder / "helion")) << "a program file beside the data";
}

TEST_F(ProgramFolderTest, FillingNeverOverwritesTheUsersFiles) {
    std::filesystem::create_directories(home() / "helion");
    root.write("home/helion/NATAL.ORB", "10\r\n");
    const ProgramFolder folder = resolve();
    EXPECT_EQ(readTextFile(folder.folder / "NATAL.ORB"), "10\r\n");
    EXPECT_EQ(readTextFile(folder.folder / "OPTIONS.MAS"), "1\r\n");
}

TEST_F(ProgramFolderTest, AReadOnlyExecutableFolderIsNotUsed) {
    if (::geteuid() == 0) GTEST_SKIP() << "root may write anywhere";
    root.write("bin/OPTIONS.MAS", "1\r\n");
    ::chmod(bin().c_str(), 0555);
    const ProgramFolder folder = resolveProgramFolder(bin(), bin(), home());
    ::chmod(bin().c_str(), 0755);
    EXPECT_TRUE(folder.perUser);
    EXPECT_EQ(readTextFile(folder.folder / "OPTIONS.MAS"), "1\r\n");
}

TEST_F(ProgramFolderTest, AFolderThatCannotBeMadeIsReported) {
    root.write("home", "a file where the folder should be");
    const ProgramFolder folder = resolve();
    ASSERT_FALSE(folder.messages.empty());
    EXPECT_EQ(folder.messages[0].caption, "Error!");
}

TEST(ProgramFolderPlaces, XdgDataHomeFallsBackToTheHomeFolderAndTheBuildTreeFindsTheData) {
    EXPECT_EQ(xdgDataHome("/data", "/home/me"), "/data");
    EXPECT_EQ(xdgDataHome("relative", "/home/me"), "/home/me/.local/share");
    EXPECT_EQ(xdgDataHome(nullptr, "/home/me"), "/home/me/.local/share");
    const auto shipped = findShippedData(executableDirectory());
    ASSERT_TRUE(shipped);
    EXPECT_TRUE(holdsShippedData(*shipped));
}

}  // namespace
}  // namespace helion
