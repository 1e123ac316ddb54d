#include "core/reports/document_file.h"

#include <gtest/gtest.h>

#include <cmath>

#include <sys/stat.h>
#include <functional>

#include "../base/temp_folder.h"
#include "core/config/editor_text.h"
#include "core/config/options_editor.h"
#include "core/input/names_save.h"

namespace helion {
namespace {

DataBuffer bufferWith(int lines) {
    DataBuffer buffer;
    for (int i = 0; i < lines; ++i) buffer.appendReportLine(std::to_string(i));
    return buffer;
}

TEST(DocumentText, SpareElementAndClosingFormFeed) {
    const DataBuffer buffer = bufferWith(2);
    EXPECT_EQ(documentText(buffer.fullList(), 61.0f), "0\r\n1\r\n\r\n\f\r\n");
    EXPECT_EQ(documentText(buffer.fullList(), 2.0f), "0\r\n1\r\n\f\r\n\r\n\f\r\n\f\r\n");
    // Page lengths below two give only the closing form feed.
    for (float pageLength : {1.9f, -3.0f, std::nanf("")})
        EXPECT_EQ(documentText(buffer.fullList(), pageLength), "0\r\n1\r\n\r\n\f\r\n") << pageLength;
}

TEST(DocumentText, AnElementHoldingSeveralLinesCountsOnce) {
    DataBuffer buffer;
    buffer.appendReportLine("grid aspect list\r\nsecond row\r\nthird row");
    buffer.appendReportLine("after");
    EXPECT_EQ(documentText(buffer.fullList(), 3.0f),
              "grid aspect list\r\nsecond row\r\nthird row\r\nafter\r\n\r\n\f\r\n\f\r\n");
}

TEST(SaveDocument, ReplacesTheFileOrWritesNothing) {
    const test::TempFolder temp;
    const DataBuffer buffer = bufferWith(3);
    const auto file = temp.write("JOHN.DOC", "old contents that are longer than the new ones");
    EXPECT_EQ(saveDocument(buffer, file, 61.0f), std::nullopt);
    EXPECT_EQ(temp.read("JOHN.DOC"), documentText(buffer.fullList(), 61.0f));

    const auto empty = temp.path() / "EMPTY.DOC";
    EXPECT_EQ(saveDocument(DataBuffer{}, empty, 61.0f), informationMessage("No data to write to file."));
    EXPECT_FALSE(std::filesystem::exists(empty));
    const auto unwritable = temp.path() / "missing" / "X.DOC";
    EXPECT_EQ(saveDocument(buffer, unwritable, 61.0f),
              errorMessage("The file " + unwritable.string() + " cannot be written: its folder does not exist."));
}

// A folder that lets a rename replace a file must not override the user's read-only mark.
TEST(UserFileSaves, AFileMadeReadOnlyIsRefusedWithAWarningNamingIt) {
    const test::TempFolder temp;
    temp.write("OPTIONS.MAS", "1\r\n");
    struct Row {
        const char* file;
        std::function<std::optional<Message>(const std::filesystem::path&)> save;
    };
    for (const Row& row : {
             Row{"X.DOC", [](const auto& file) { return saveDocument(bufferWith(3), file, 61.0f); }},
             Row{"ORBS.ORB", [](const auto& file) { return saveEditorText(file, "1\r\n"); }},
             Row{"OPTIONS.OPT", [](const auto& file) { return restoreDefaultOptions(file.parent_path()); }},
             Row{"NAMES.FIL", [](const auto& file) { return replaceNamesFile(file, "old", "new"); }},
         }) {
        const auto file = temp.write(row.file, "old");
        ::chmod(file.c_str(), 0444);
        const auto refusal = row.save(file);
        ASSERT_TRUE(refusal) << row.file;
        EXPECT_EQ(refusal->caption, "Warning!") << row.file;
        EXPECT_NE(refusal->text.find(file.string() + " cannot be written: it is read-only."), std::string::npos)
            << refusal->text;
        EXPECT_EQ(temp.read(row.file), "old");
    }
}

TEST(ProposedDocumentName, FirstWordOrFirstEightCharacters) {
    const std::pair<const char*, const char*> cases[] = {
        {"John Smith", "John.DOC"},
        {"Maximilian Smith", "Maximili.DOC"},
        {"Alice", "Alice.DOC"},
        {"", ".DOC"},
    };
    for (const auto& [name, proposed] : cases) EXPECT_EQ(proposedDocumentName(name), proposed) << name;
}

}  // namespace
}  // namespace helion
