#include "core/input/names_save.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>
#include <csignal>

#include "../base/temp_folder.h"
#include "core/base/text_file.h"
#include "core/input/names_record.h"

namespace helion {
namespace {

InputWindowTexts person(std::string name) {
    InputWindowTexts t;
    t.name = std::move(name);
    t.month = "3", t.day = "7", t.year = "1952", t.hour = "10", t.minute = "30", t.zone = "5";
    t.longitudeDegrees = "71", t.longitudeMinutes = "4", t.latitudeDegrees = "42", t.latitudeMinutes = "21";
    return t;
}

constexpr const char* kTwoPeople = "Ann,07 Mar 1952,10.30,A,5,74.00,40.43\r\nBob,01 Jan 1960,1.05,P,5,71.04,42.22\r\n";

TEST(NamesSave, TheRecordReadsBackAsTheWindowHeldIt) {
    const struct {
        bool east, south, am;
        const char *hour, *minute, *longitude, *expected;
    } rows[] = {
        {false, false, true, "10", "30", "71", "Eve,07 Mar 1952,10.30,A,5,71.04,42.21"},
        {true, true, false, "9", "5", "71", "Eve,07 Mar 1952,9.05,P,5,-71.04,-42.21"},
    };
    for (const auto& row : rows) {
        InputWindowTexts t = person("Eve");
        t.east = row.east, t.south = row.south, t.am = row.am;
        t.hour = row.hour, t.minute = row.minute, t.longitudeDegrees = row.longitude;
        const std::string line = namesRecordLine(t);
        EXPECT_EQ(line, row.expected);
        const auto back = parseNamesRecord(line);
        ASSERT_TRUE(back.texts) << back.error;
        EXPECT_EQ(back.texts->east, row.east);
        EXPECT_EQ(back.texts->minute, std::to_string(std::stoi(row.minute)));
    }
}

TEST(NamesSave, RefusesACommaAndDataThatWouldNotReadBack) {
    const struct {
        const char* name;
        const char* month;
        const char* refusal;  // nullptr: saved
    } rows[] = {
        {"Ann", "3", nullptr},
        {"Ann, Jr.", "3", kNameCommaText},
        {"", "3", "field 1"},  // an empty name would end the list
        {"Ann", "13", "field 2"},
    };
    for (const auto& row : rows) {
        InputWindowTexts t = person(row.name);
        t.month = row.month;
        const auto refusal = namesSaveRefusal(t);
        ASSERT_EQ(refusal.has_value(), row.refusal != nullptr) << row.name << " " << row.month;
        if (refusal) {
            EXPECT_NE(refusal->text.find(row.refusal), std::string::npos) << refusal->text;
        }
    }
}

TEST(NamesSave, AsksAboutEveryRecordOfTheSameNameInAnyCase) {
    const NamesFile file = parseNamesFile(std::string(kTwoPeople) + "ANN,02 Feb 1970,2.00,P,-1,-13.24,52.31\r\n");
    const auto same = recordsNamed(file, "aNn");
    ASSERT_EQ(same.size(), 2u);
    EXPECT_EQ(same[1].line, 3);
    const Message question = replaceNameQuestion("aNn", same[1]);
    EXPECT_EQ(question.caption, "aNn already exists");
    EXPECT_NE(question.text.find("Date =  02 Feb 1970\nTime =  2.00 P\nTime zone =  -1"), std::string::npos);
}

TEST(NamesSave, TheNewFileKeepsEveryLineButTheReplacedOnesWithTheNewRecordAtTheListsEnd) {
    const struct {
        const char* old;
        std::vector<int> replaced;
        const char* expected;
    } rows[] = {
        {kTwoPeople, {1}, "Bob,01 Jan 1960,1.05,P,5,71.04,42.22\r\nNew\r\n"},
        {kTwoPeople, {}, "Ann,07 Mar 1952,10.30,A,5,74.00,40.43\r\nBob,01 Jan 1960,1.05,P,5,71.04,42.22\r\nNew\r\n"},
        {"Ann,x\nBob,y", {}, "Ann,x\r\nBob,y\r\nNew\r\n"},  // LF read, CR LF written
        {"Ann,x\r\n\r\n\r\n", {}, "Ann,x\r\nNew\r\n"},      // trailing empty lines would hide the new record
        {"Ann,x\r\n,\r\nnotes\r\n\r\n", {}, "Ann,x\r\nNew\r\n,\r\nnotes\r\n"},  // kept below the list's end
        {"", {}, "New\r\n"},
    };
    for (const auto& row : rows) EXPECT_EQ(namesFileAfterSave(row.old, row.replaced, "New"), row.expected) << row.old;
}

TEST(NamesSave, AFailedWriteNamesTheFileAndLeavesTheNamesFileAsItWas) {
    test::TempFolder folder;
    const auto names = folder.write("NAMES.FIL", kTwoPeople);
    for (int failing = 1; failing <= 2; ++failing) {
        int calls = 0;
        const FileReplace failAt = [&](const std::filesystem::path& path, std::string_view text, LinkAtPath link) {
            return ++calls == failing ? FileWrite{"the disk is full"} : writeFileAtomically(path, text, link);
        };
        const auto failure = replaceNamesFile(names, kTwoPeople, "New\r\n", failAt);
        ASSERT_TRUE(failure);
        EXPECT_EQ(failure->caption, "Warning!");
        EXPECT_NE(failure->text.find(failing == 1 ? "NAMES.OLD" : "NAMES.FIL"), std::string::npos) << failure->text;
        EXPECT_NE(failure->text.find("the disk is full"), std::string::npos) << failure->text;
        EXPECT_EQ(folder.read("NAMES.FIL"), kTwoPeople);
    }
    EXPECT_FALSE(replaceNamesFile(names, kTwoPeople, "New\r\n"));
    EXPECT_EQ(folder.read("NAMES.FIL"), "New\r\n");
    EXPECT_EQ(folder.read("NAMES.OLD"), kTwoPeople);
}

// Users keep a names file elsewhere and link to it on purpose; a backup name linked to
// another file must not overwrite that file.
TEST(NamesSave, TheNamesFileIsWrittenThroughItsLinkTheBackupReplacesItsLink) {
    test::TempFolder folder;
    const auto kept = folder.write("kept.FIL", kTwoPeople);
    const auto unrelated = folder.write("unrelated.TXT", "precious");
    const auto names = folder.path() / "NAMES.FIL";
    std::filesystem::create_symlink(kept, names);
    std::filesystem::create_symlink(unrelated, folder.path() / "NAMES.OLD");
    EXPECT_FALSE(replaceNamesFile(names, kTwoPeople, "New\r\n"));
    EXPECT_TRUE(std::filesystem::is_symlink(names));
    EXPECT_EQ(folder.read("kept.FIL"), "New\r\n");
    EXPECT_FALSE(std::filesystem::is_symlink(folder.path() / "NAMES.OLD"));
    EXPECT_EQ(folder.read("NAMES.OLD"), kTwoPeople);
    EXPECT_EQ(folder.read("unrelated.TXT"), "precious");
}

// A save killed at any point: after each of its writes, and halfway through each write
// (a temporary file left half written). The names file is always the old or the new
// one, whole.
TEST(NamesSave, ASaveKilledAtAnyPointLeavesTheOldOrTheNewFileWhole) {
    test::TempFolder folder;
    const std::string newText = std::string(kTwoPeople) + "Cy,02 Feb 1970,2.00,P,-1,-13.24,52.31\r\n";
    int outcomes[2] = {0, 0};
    for (int killedAt = 1; killedAt <= 2; ++killedAt) {
        for (const bool midWrite : {false, true}) {
            const auto names = folder.write("NAMES.FIL", kTwoPeople);
            std::filesystem::remove(folder.path() / "NAMES.OLD");
            const pid_t child = fork();
            ASSERT_NE(child, -1);
            if (child == 0) {
                int calls = 0;
                const FileReplace dying = [&](const std::filesystem::path& path, std::string_view text,
                                              LinkAtPath link) {
                    if (++calls == killedAt && midWrite) {
                        auto partial = path;
                        partial += ".partial";
                        std::FILE* out = std::fopen(partial.c_str(), "wb");
                        std::fwrite(text.data(), 1, text.size() / 2, out);
                        std::fflush(out);
                        ::raise(SIGKILL);
                    }
                    const FileWrite written = writeFileAtomically(path, text, link);
                    if (calls == killedAt) ::raise(SIGKILL);
                    return written;
                };
                replaceNamesFile(names, kTwoPeople, newText, dying);
                ::_exit(0);
            }
            int status = 0;
            ::waitpid(child, &status, 0);
            ASSERT_TRUE(WIFSIGNALED(status));
            const std::string after = folder.read("NAMES.FIL");
            ASSERT_TRUE(after == kTwoPeople || after == newText) << killedAt << midWrite << after;
            ++outcomes[after == newText ? 1 : 0];
        }
    }
    EXPECT_EQ(outcomes[1], 1) << "only a kill after the last write leaves the new file";
}

}  // namespace
}  // namespace helion
