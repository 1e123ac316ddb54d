#include "core/base/atomic_write.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include "core/base/text_file.h"
#include "temp_folder.h"

namespace helion {
namespace {

namespace fs = std::filesystem;

mode_t permissionBits(const fs::path& path) {
    struct stat info {};
    ::stat(path.c_str(), &info);
    return info.st_mode & 07777;
}

TEST(AtomicWrite, ReplacesTheContentAndKeepsThePermissionBits) {
    const test::TempFolder folder;
    const fs::path file = folder.write("NAMES.FIL", "old");
    ::chmod(file.c_str(), 0600);
    ASSERT_TRUE(writeFileAtomically(file, "new"));
    EXPECT_EQ(folder.read("NAMES.FIL"), "new");
    EXPECT_EQ(permissionBits(file), 0600u);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 1)
        << "no temporary file is left behind";
}

// A link an attacker planted in advance at a name the save would use for its temporary
// file must neither be written through nor stop the save when another name is free.
TEST(AtomicWrite, ALinkPlantedAtEveryTemporaryNameIsNeverWrittenThrough) {
    const test::TempFolder folder;
    const fs::path victim = folder.write("victim", "precious");
    const fs::path file = folder.write("OPTIONS.OPT", "old");
    fs::create_symlink(victim, folder.path() / "planted");

    const FileWrite alwaysPlanted =
        writeFileAtomically(file, "new", LinkAtPath::ReplaceItsFile, [](int) { return "planted"; });
    EXPECT_FALSE(alwaysPlanted);
    EXPECT_EQ(folder.read("OPTIONS.OPT"), "old");

    const FileWrite plantedFirst = writeFileAtomically(file, "new", LinkAtPath::ReplaceItsFile,
                                                       [](int attempt) { return attempt == 0 ? "planted" : "free"; });
    EXPECT_TRUE(plantedFirst) << plantedFirst.failure;
    EXPECT_EQ(folder.read("OPTIONS.OPT"), "new");
    EXPECT_EQ(folder.read("victim"), "precious");
    EXPECT_TRUE(fs::is_symlink(folder.path() / "planted"));
}

TEST(AtomicWrite, RefusesWhatIsNotARegularFileAndSaysWhy) {
    const test::TempFolder folder;
    fs::create_directory(folder.path() / "folder");
    ::mkfifo((folder.path() / "pipe").c_str(), 0600);
    struct Row {
        fs::path target;
        const char* failure;
    };
    for (const Row& row :
         {Row{folder.path() / "folder", "it is a folder"}, Row{folder.path() / "pipe", "it is not a regular file"},
          Row{folder.path() / "missing" / "file", "its folder does not exist"}, Row{"", "no file name was given"}}) {
        const FileWrite result = writeFileAtomically(row.target, "new");
        EXPECT_FALSE(result) << row.target;
        EXPECT_EQ(result.failure, row.failure) << row.target;
    }
    EXPECT_TRUE(fs::is_directory(folder.path() / "folder"));
    EXPECT_TRUE(fs::is_fifo(folder.path() / "pipe"));
    EXPECT_EQ(cannotBeWritten({"the disk is full"}), " cannot be written: the disk is full.");
}

TEST(AtomicWrite, AFolderThatRefusesWritingGivesPermissionDenied) {
    if (::geteuid() == 0) GTEST_SKIP() << "root may write anywhere";
    const test::TempFolder folder;
    const fs::path locked = folder.path() / "locked";
    fs::create_directory(locked);
    ::chmod(locked.c_str(), 0555);
    const FileWrite result = writeFileAtomically(locked / "NAMES.FIL", "new");
    ::chmod(locked.c_str(), 0755);
    EXPECT_EQ(result.failure, "permission denied");
}

}  // namespace
}  // namespace helion
