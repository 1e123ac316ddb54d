#include <QPrinter>

#include "core/base/text_file.h"
#include "pdf_pages.h"
#include "ui/print_file_window.h"
#include "ui/select_file_window.h"
#include "window_fixture.h"

namespace helion::test {
namespace {

std::string numberedText(int lines) {
    std::string text;
    for (int i = 1; i <= lines; ++i) text += "line " + std::to_string(i) + "\r\n";
    return text;
}

TEST_F(WindowTest, PrintWindowPrintsItsTextInPagesOfTheOptionLength) {
    ui::PrintFileWindow missing(session, folder.path() / "PRNTFILE.XXX");
    EXPECT_EQ(shownTexts(), std::vector<std::string>{"The file PRNTFILE.XXX cannot be read."});

    session.state.options.value[option::PrintPageLength] = 50;
    const auto file = folder.write("PRNTFILE.XXX", numberedText(120));
    ui::PrintFileWindow window(session, file);
    auto* content = control<QPlainTextEdit>(window, "txtContent");
    content->appendPlainText("edited");
    const auto pdf = folder.path() / "out.pdf";
    window.choosePrinter = [&pdf](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(pdf.string()));
        return true;
    };
    control<QPushButton>(window, "btnPrint")->click();
    EXPECT_EQ(pdfPages(pdf), 3);  // 121 lines in pages of 50
    EXPECT_EQ(readTextFile(file), numberedText(120) + "edited\r\n");
    EXPECT_EQ(window.result(), QDialog::Accepted);
}

class SelectFileTest : public WindowTest {
protected:
    SelectFileTest() {
        std::filesystem::create_directory(folder.path() / "sub");
        for (const char* name : {"MINE.FIL", "NAMES.FIL", "S.FIL", "NOTES.TXT", "sub/OTHER.FIL"})
            folder.write(name, "x");
    }
    static QStringList entries(QListWidget* list) {
        QStringList names;
        for (int i = 0; i < list->count(); ++i) names << list->item(i)->text();
        return names;
    }
};

TEST_F(SelectFileTest, ListsThePatternSelectsTheCurrentFileAndWalksFolders) {
    ui::SelectFileWindow window(folder.path(), "*.FIL", "/elsewhere/names.fil");
    auto* files = control<QListWidget>(window, "filList");
    auto* folders = control<QListWidget>(window, "dirList");
    EXPECT_EQ(entries(files), (QStringList{"MINE.FIL", "NAMES.FIL", "S.FIL"}));
    EXPECT_EQ(files->currentItem()->text(), "NAMES.FIL");
    EXPECT_EQ(entries(folders), (QStringList{"..", "sub"}));
    control<QPushButton>(window, "cmdSelect")->click();
    EXPECT_EQ(window.chosenPath(), std::filesystem::canonical(folder.path()) / "NAMES.FIL");

    ui::SelectFileWindow walked(folder.path(), "*.FIL", "");
    folders = control<QListWidget>(walked, "dirList");
    emit folders->itemActivated(folders->findItems("sub", Qt::MatchExactly).front());
    EXPECT_EQ(entries(control<QListWidget>(walked, "filList")), QStringList{"OTHER.FIL"});
    walked.openFolder("/");
    EXPECT_FALSE(entries(folders).contains(".."));
    EXPECT_TRUE(laidOut(walked.layout(), control<QPushButton>(walked, "cmdCancel")));
    control<QPushButton>(walked, "cmdCancel")->click();
    EXPECT_TRUE(walked.chosenPath().empty());
}

TEST_F(SelectFileTest, AFileInTheRootGetsOneSeparator) {
    ui::SelectFileWindow window("/", "*", "");
    auto* files = control<QListWidget>(window, "filList");
    if (files->count() == 0) GTEST_SKIP() << "no file in the root folder";
    files->setCurrentRow(0);
    control<QPushButton>(window, "cmdSelect")->click();
    EXPECT_EQ(window.chosenPath().string(), "/" + files->item(0)->text().toStdString());
}

}  // namespace
}  // namespace helion::test
