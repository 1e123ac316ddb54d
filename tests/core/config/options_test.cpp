#include "core/config/options.h"

#include <gtest/gtest.h>

#include "../base/temp_folder.h"
#include "core/config/editor_text.h"
#include "core/config/options_editor.h"

namespace helion {
namespace {

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

TEST(OptionsEditor, ASavedTextIsReadBackAFailedSaveKeepsTheValuesInUse) {
    test::TempFolder folder;
    OptionValues inUse;
    inUse.value[1] = 7.0f;
    const OptionsLoad saved = saveOptionsText(folder.path(), "2\r\n", inUse);
    EXPECT_EQ(folder.read("OPTIONS.OPT"), "2\r\n");
    EXPECT_FLOAT_EQ(saved.values.value[1], 2.0f);
    const OptionsLoad failed = saveOptionsText(folder.path() / "missing", "3\r\n", inUse);
    ASSERT_EQ(failed.messages.size(), 1u);
    EXPECT_NE(failed.messages[0].text.find("cannot be written"), std::string::npos) << failed.messages[0].text;
    EXPECT_FLOAT_EQ(failed.values.value[1], 7.0f);
}

TEST(EditorText, LoadAddsCrLfSavingNormalisesLineBreaksAndLoadThenSaveKeepsEveryByte) {
    test::TempFolder folder;
    EXPECT_EQ(loadEditorText(folder.write("A.FIL", "a\nb")).text, "a\r\nb\r\n");
    EXPECT_TRUE(loadEditorText(folder.path() / "NONE.FIL").error);
    const std::pair<const char*, const char*> rows[] = {
        {"8\n6\n", "8\r\n6\r\n"},  // a text box that hands back LF alone
        {"8\r\n6", "8\r\n6\r\n"},  // the final break was deleted while editing
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
