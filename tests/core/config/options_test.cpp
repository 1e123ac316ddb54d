#include "core/config/options.h"

#include <gtest/gtest.h>

#include "../base/temp_folder.h"
#include "core/config/editor_text.h"
#include "core/config/options_editor.h"

namespace helion {
namespace {

std::string valueLines(int count, const char* value = "3") {
    std::string text;
    for (int i = 0; i < count; ++i) text += std::string(value) + "      entry\r\n";
    return text;
}

OptionValues filled(float value) {
    OptionValues v;
    v.value.fill(value);
    return v;
}

TEST(OptionsFile, ReadsTheFirstSevenCharactersOfEachLineUpToTheFirstEmptyLine) {
    const struct {
        const char* what;
        std::string text;
        std::vector<float> values;  // entries from 1 on; entries without a line keep the previous 9
        std::vector<int> problemLines;
    } rows[] = {
        {"leading number rule",
         "  2.5  Conjunction orb\r\n12.345678\r\n   10\r\nabc 4\r\n-1.5xyz\r\n",
         {2.5f, 12.3456f, 10.0f, 0.0f, -1.5f, 9.0f},
         {2, 4, 5}},  // cut; no number; letters after the number
        {"empty line", valueLines(2, "4") + "\r\n" + valueLines(5, "8"), {4.0f, 4.0f, 9.0f}, {4}},
        {"LF", "5\n6\n7", {5.0f, 6.0f, 7.0f, 9.0f}, {}},
        {"CR", "5\r6\r7\r", {5.0f, 6.0f, 7.0f, 9.0f}, {}},
    };
    test::TempFolder folder;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        const OptionsLoad load = loadOptions(folder.write("OPTIONS.OPT", row.text), filled(9));
        EXPECT_TRUE(load.messages.empty());
        for (std::size_t i = 0; i < row.values.size(); ++i)
            EXPECT_FLOAT_EQ(load.values[static_cast<int>(i) + 1], row.values[i]) << "entry " << i + 1;
        std::vector<int> lines;
        for (const auto& problem : load.problems) lines.push_back(problem.line);
        EXPECT_EQ(lines, row.problemLines);
    }
}

TEST(OptionsFile, UnusableFilesKeepThePreviousValuesAndSaySo) {
    test::TempFolder folder;
    const struct {
        const char* name;
        std::string content;
        const char* says;
    } rows[] = {
        {"missing", "", "cannot be read"},
        {"OVER.OPT", valueLines(223), "more than the 222"},
        {"EMPTY.OPT", "", "holds no values"},
        {"BLANKFIRST.OPT", "\r\n5\r\n", "holds no values"},
        {"BINARY.OPT",
         std::string("\x7f"
                     "ELF\0\x02\x01",
                     7),
         "not a text file"},
    };
    for (const auto& row : rows) {
        const auto file =
            std::string(row.name) == "missing" ? folder.path() / "NONE.OPT" : folder.write(row.name, row.content);
        const OptionsLoad load = loadOptions(file, filled(7));
        EXPECT_EQ(load.values.value, filled(7).value) << row.name;
        ASSERT_EQ(load.messages.size(), 1u) << row.name;
        EXPECT_EQ(load.messages[0].caption, "Error!");
        EXPECT_NE(load.messages[0].text.find(file.string()), std::string::npos) << row.name;
        EXPECT_NE(load.messages[0].text.find(row.says), std::string::npos) << load.messages[0].text;
    }
    // Only a program with values in use keeps them; the command line and the data check have none.
    const auto missing = folder.path() / "NONE.OPT";
    EXPECT_TRUE(loadOptions(missing, filled(7)).messages.at(0).text.ends_with(" The values in use are kept."));
    EXPECT_EQ(loadOptions(missing).messages.at(0).text.find("values in use"), std::string::npos);
    EXPECT_FLOAT_EQ(loadOptions(folder.write("FULL.OPT", valueLines(222)), {}).values[222], 3.0f);
}

TEST(OptionsEditor, RestoreCopiesTheMasterOrLeavesTheOptionsFileAlone) {
    test::TempFolder folder;
    folder.write("OPTIONS.OPT", "2\r\n");
    const auto refusal = restoreDefaultOptions(folder.path());
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->caption, "Error!");
    EXPECT_NE(refusal->text.find("OPTIONS.MAS"), std::string::npos);
    EXPECT_EQ(folder.read("OPTIONS.OPT"), "2\r\n");

    folder.write("OPTIONS.MAS", "8\r\n");
    EXPECT_FALSE(restoreDefaultOptions(folder.path()));
    EXPECT_EQ(folder.read("OPTIONS.OPT"), "8\r\n");
}

TEST(EditorText, LoadAddsCrLfSavingNormalisesLineBreaksAndLoadThenSaveKeepsEveryByte) {
    test::TempFolder folder;
    EXPECT_EQ(loadEditorText(folder.write("A.FIL", "a\nb")).text, "a\r\nb\r\n");
    EXPECT_TRUE(loadEditorText(folder.path() / "NONE.FIL").error);
    const std::pair<const char*, const char*> rows[] = {
        {"8\r\n6\r\n", "8\r\n6\r\n"},
        {"8\n6\n", "8\r\n6\r\n"},  // a text box that hands back LF alone
        {"8\r\n6", "8\r\n6\r\n"},  // the final break was deleted while editing
        {"8", "8\r\n"},
        {"", ""},
    };
    for (const auto& [text, file] : rows) EXPECT_EQ(editorTextForFile(text), file) << text;

    const std::string original = "8      Conjunction\r\n6      Sextile\r\n\r\n";
    const auto file = folder.write("NATAL.ORB", original);
    const EditorLoad load = loadEditorText(file);
    ASSERT_FALSE(load.error);
    ASSERT_FALSE(saveEditorText(file, load.text));
    EXPECT_EQ(folder.read("NATAL.ORB"), original);
}

}  // namespace
}  // namespace helion
