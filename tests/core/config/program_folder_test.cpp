#include "core/config/program_folder.h"

#include <gtest/gtest.h>

#include "../base/temp_folder.h"
#include "core/config/shipped_copies.h"

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
    root.write("share/helion/ATLAS.DAT", "places\n");
    std::filesystem::permissions(shipped() / "helion", std::filesystem::perms::owner_all);
    const ProgramFolder folder = resolve();
    EXPECT_TRUE(folder.perUser);
    EXPECT_EQ(folder.folder, home() / "helion");
    EXPECT_TRUE(folder.messages.empty());
    EXPECT_EQ(readTextFile(folder.folder / "NATAL.ORB"), "8\r\n");
    EXPECT_FALSE(std::filesystem::exists(folder.folder / "helion")) << "a program file beside the data";
    EXPECT_FALSE(std::filesystem::exists(folder.folder / kAtlasFile)) << "read where it was shipped";
}

TEST_F(ProgramFolderTest, FillingNeverOverwritesTheUsersFiles) {
    std::filesystem::create_directories(home() / "helion");
    root.write("home/helion/NATAL.ORB", "10\r\n");
    const ProgramFolder folder = resolve();
    EXPECT_EQ(readTextFile(folder.folder / "NATAL.ORB"), "10\r\n");
    EXPECT_EQ(readTextFile(folder.folder / "OPTIONS.MAS"), "1\r\n");
}

// A new release refreshes the copies the user left as shipped and keeps the ones the user
// changed; files copied before the record existed count as the user's unless they match.
TEST_F(ProgramFolderTest, ANewReleaseRefreshesOnlyTheCopiesTheUserNeverChanged) {
    root.write("share/helion/HCDATA.DAT", "1,2\r\n");
    resolve();
    root.write("home/helion/NATAL.ORB", "9\r\n");      // the user's edit
    root.write("home/helion/TZ.DAT", "old\r\n");       // from before the record
    root.write("share/helion/HCDATA.DAT", "3,4\r\n");  // the new release
    root.write("share/helion/NATAL.ORB", "7\r\n");
    root.write("share/helion/TZ.DAT", "new\r\n");
    const ProgramFolder folder = resolve();
    EXPECT_TRUE(folder.messages.empty());
    EXPECT_EQ(readTextFile(folder.folder / "HCDATA.DAT"), "3,4\r\n");
    EXPECT_EQ(readTextFile(folder.folder / "NATAL.ORB"), "9\r\n");
    EXPECT_EQ(readTextFile(folder.folder / "TZ.DAT"), "old\r\n");
    const ShippedCopies copies = readShippedCopies(folder.folder);
    EXPECT_EQ(copies.at("HCDATA.DAT"), contentHash("3,4\r\n"));
    EXPECT_EQ(copies.count("TZ.DAT"), 0U);

    root.write("home/helion/SHIPPED.SUM", "zz HCDATA.DAT\r\n0123 short\r\n");  // a damaged record
    root.write("share/helion/HCDATA.DAT", "5,6\r\n");
    EXPECT_EQ(readTextFile(resolve().folder / "HCDATA.DAT"), "3,4\r\n") << "unrecorded copies are kept";
}

TEST_F(ProgramFolderTest, AReadOnlyExecutableFolderIsNotUsed) {
    root.write("bin/OPTIONS.MAS", "1\r\n");
    const FolderCheck readOnly = [](const std::filesystem::path&) { return false; };
    const ProgramFolder folder = resolveProgramFolder(bin(), bin(), home(), readOnly);
    EXPECT_TRUE(folder.perUser);
    EXPECT_EQ(readTextFile(folder.folder / "OPTIONS.MAS"), "1\r\n");
    EXPECT_TRUE(isWritableFolder(bin()));
    EXPECT_FALSE(isWritableFolder(root.path() / "missing"));
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
