#include <QAction>
#include <QPlainTextEdit>
#include <QTest>

#include "core/app/text_file.h"
#include "core/reports/document_file.h"
#include "window_fixture.h"

namespace helion::test {
namespace {

class DataWindowTest : public WindowTest {
protected:
    void report(std::initializer_list<const char*> lines) {
        session.state.data.startReport();
        for (const char* line : lines) session.state.data.appendReportLine(line);
        data->showReportText(session.state.data.showReport());
    }
    QAction* item(const char* name) { return control<QAction>(*data, name); }
};

TEST_F(DataWindowTest, ShowsReportsInAFixedPitchFontAndKeepsItWhenThereIsNothing) {
    auto* box = control<QPlainTextEdit>(*data, "RichText1");
    EXPECT_TRUE(box->font().fixedPitch());
    EXPECT_TRUE(QFontInfo(box->font()).fixedPitch());
    report({"LINE ONE", "LINE TWO"});
    EXPECT_EQ(box->toPlainText(), "LINE ONE\nLINE TWO\n\n\n");
    EXPECT_EQ(data->windowTitle(), "Helion (Tropical zodiac) - Data");
    EXPECT_TRUE(data->isVisible());
    data->showReportText(std::nullopt);
    EXPECT_EQ(box->toPlainText(), "LINE ONE\nLINE TWO\n\n\n");
    EXPECT_EQ(item("mnuClearBuffer")->text(), "&Clear all data");
    EXPECT_EQ(item("mnuPrintData")->text(), "Print &data");
}

TEST_F(DataWindowTest, FontSizeStaysBetweenEightAndTwelveBoldAndItalicToggle) {
    double& size = session.state.settings.fontSize;
    for (int i = 0; i < 10; ++i) item("mnuFontsIncrease")->trigger();
    EXPECT_GE(size, 12.0);
    EXPECT_LT(size, 13.0);
    EXPECT_FALSE(item("mnuFontsIncrease")->isEnabled());
    EXPECT_DOUBLE_EQ(control<QPlainTextEdit>(*data, "RichText1")->font().pointSizeF(), size);
    for (int i = 0; i < 10; ++i) item("mnuFontsDecrease")->trigger();
    EXPECT_LE(size, 8.0);
    EXPECT_FALSE(item("mnuFontsDecrease")->isEnabled());
    item("mnuFontsBold")->trigger();
    EXPECT_NE(session.state.settings.fontBold, 0);
    EXPECT_TRUE(control<QPlainTextEdit>(*data, "RichText1")->font().bold());
    item("mnuFontsBold")->trigger();
    EXPECT_EQ(session.state.settings.fontBold, 0);
    EXPECT_FALSE(item("mnuFontsBold")->isChecked());
}

TEST_F(DataWindowTest, SaveAsProposesTheChartNameAndSaveReusesTheFile) {
    item("mnuFileSave")->trigger();
    EXPECT_EQ(shownTexts(), std::vector<std::string>{"No data to write to file."});

    session.state.charts.natalInput.name = "Anna Maria";
    report({"A", "B"});
    std::filesystem::path proposed;
    std::optional<std::filesystem::path> answer;  // cancelled first
    data->chooseSaveFile = [&](const std::filesystem::path& p) { proposed = p; return answer; };
    item("mnuFileSave")->trigger();
    EXPECT_EQ(proposed, folder.path() / "Anna.DOC");

    // The names file the settings name is never the document.
    const std::string namesFile = session.state.settings.dataFile;
    answer = folder.path() / "ANNA.DOC";
    item("mnuFileSaveAs")->trigger();
    EXPECT_EQ(session.state.settings.dataFile, namesFile);
    report({"C"});
    proposed.clear();
    item("mnuFileSave")->trigger();
    EXPECT_TRUE(proposed.empty());  // saved without asking
    EXPECT_EQ(readTextFile(*answer),
              documentText(session.state.data.fullList(), session.state.options[option::SavedPageLength]));
}

TEST_F(DataWindowTest, ClearingKeepsTheTextAndPrintingGoesThroughThePrintFile) {
    std::vector<std::string> printed;
    data->printFile = [&](const std::filesystem::path& file) { printed.push_back(*readTextFile(file)); };
    item("mnuPrint")->trigger();
    EXPECT_TRUE(printed.empty());
    EXPECT_TRUE(boxes.shown.empty());

    report({"X"});
    item("mnuClearBuffer")->trigger();
    EXPECT_EQ(boxes.shown.back(), (Message{"Information!", "All data cleared from buffer."}));
    EXPECT_EQ(control<QPlainTextEdit>(*data, "RichText1")->toPlainText(), "X\n\n\n");
    item("mnuPrintData")->trigger();
    EXPECT_EQ(boxes.shown.back().text, "No data to print.");
    item("mnuPrint")->trigger();
    EXPECT_EQ(printed, std::vector<std::string>{"X\r\n\r\n\r\n"});
}

TEST_F(DataWindowTest, HelpShowsItsTextAndAMissingOneLeavesTheReportOnScreen) {
    std::vector<std::string> printed;
    data->printFile = [&](const std::filesystem::path& file) { printed.push_back(*readTextFile(file)); };
    report({"KEPT"});
    item("mnuHelp")->trigger();
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].caption, kWarningCaption);
    EXPECT_EQ(control<QPlainTextEdit>(*data, "RichText1")->toPlainText(), "KEPT\n\n\n");
    item("mnuPrint")->trigger();
    EXPECT_EQ(printed, std::vector<std::string>{"KEPT\r\n\r\n\r\n"});

    folder.write("OUTPUTD1.HLP", "How the Data window works\r\n");
    item("mnuHelp")->trigger();
    EXPECT_EQ(control<QPlainTextEdit>(*data, "RichText1")->toPlainText(), "How the Data window works\n\n\n");
}

TEST_F(DataWindowTest, GeometryGoesToTheSettingsAfterLoading) {
    const auto& settings = session.state.settings;
    EXPECT_EQ(data->width(), 9600 * data->logicalDpiX() / 1440);
    data->show();
    data->resize(data->width() + 60, 300);
    EXPECT_EQ(settings.dataHeight, static_cast<std::int16_t>(300 * 1440 / data->logicalDpiY()));
    data->resize(4000, 300);  // wider than 16-bit twips can hold
    EXPECT_EQ(settings.dataWidth, 32767);
}

}  // namespace
}  // namespace helion::test
