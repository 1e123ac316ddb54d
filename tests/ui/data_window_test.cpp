#include <QAction>

#include "core/base/text_file.h"
#include "window_fixture.h"

namespace helion::test {
namespace {

class DataWindowTest : public WindowTest {
protected:
    DataWindowTest() {
        data->printFile = [this](const std::filesystem::path& file) { printed.push_back(*readTextFile(file)); };
    }
    void report(std::initializer_list<const char*> lines) {
        session.state.data.startReport();
        for (const char* line : lines) session.state.data.appendReportLine(line);
        data->showReportText(session.state.data.showReport());
    }
    QAction* item(const char* name) { return control<QAction>(*data, name); }
    QString shown() { return control<QPlainTextEdit>(*data, "RichText1")->toPlainText(); }
    std::vector<std::string> printed;
};

TEST_F(DataWindowTest, FontSizeStaysBetweenEightAndTwelveAndBoldAndItalicToggle) {
    const double& size = session.state.settings.fontSize;
    for (int i = 0; i < 10; ++i) item("mnuFontsIncrease")->trigger();
    EXPECT_TRUE(size >= 12.0 && size < 13.0) << size;
    EXPECT_FALSE(item("mnuFontsIncrease")->isEnabled());
    EXPECT_DOUBLE_EQ(control<QPlainTextEdit>(*data, "RichText1")->font().pointSizeF(), size);
    for (int i = 0; i < 10; ++i) item("mnuFontsDecrease")->trigger();
    EXPECT_LE(size, 8.0);
    EXPECT_FALSE(item("mnuFontsDecrease")->isEnabled());
    for (const bool on : {true, false}) {
        item("mnuFontsBold")->trigger();
        item("mnuFontsItalic")->trigger();
        EXPECT_EQ(session.state.settings.fontBold != 0, on);
        EXPECT_EQ(item("mnuFontsItalic")->isChecked(), on);
        EXPECT_EQ(control<QPlainTextEdit>(*data, "RichText1")->font().italic(), on);
    }
    EXPECT_TRUE(data->layout()->menuBar());
}

TEST_F(DataWindowTest, SaveAsNeverTakesTheNamesFileAndBreaksPagesByTheOption) {
    item("mnuFileSave")->trigger();
    EXPECT_EQ(shownTexts(), std::vector<std::string>{"No data to write to file."});

    session.state.options.value[option::SavedPageLength] = 3;  // a form feed after every second line
    report({"A", "B"});
    const std::filesystem::path answer = folder.path() / "ANNA.DOC";
    data->chooseSaveFile = [&](const std::filesystem::path&) { return std::optional(answer); };
    // The names file the settings name is never the document.
    const std::string namesFile = session.state.settings.dataFile;
    item("mnuFileSaveAs")->trigger();
    EXPECT_EQ(session.state.settings.dataFile, namesFile);
    EXPECT_EQ(readTextFile(answer), "A\r\nB\r\n\r\n\f\r\n\r\n\f\r\n");
}

// Save after a second chart proposes its name and replaces a file only on Yes; Save and
// Print take the second chart's report alone.
TEST_F(DataWindowTest, AfterANewChartSaveAsksForANameAndReplacesAFileOnlyWhenTold) {
    std::vector<std::filesystem::path> proposed;
    const std::filesystem::path chosen = folder.path() / "ANNA.DOC";
    data->chooseSaveFile = [&](const std::filesystem::path& p) {
        proposed.push_back(p);
        return std::optional(chosen);
    };
    natal->setTexts({"Anna Maria", "3", "7", "1952", "10", "30", "5", "74", "0", "40", "43"});
    natal->pressOk();
    item("mnuFileSaveAs")->trigger();
    const std::optional<std::string> annas = readTextFile(chosen);
    natal->setTexts({"Bartholomew Smith", "4", "8", "1960", "11", "15", "5", "74", "0", "40", "43"});
    natal->pressOk();
    item("mnuFileSave")->trigger();  // answered No
    EXPECT_EQ(proposed.back(), folder.path() / "Bartholo.DOC");
    EXPECT_EQ(readTextFile(chosen), annas);
    boxes.answers = {ui::Answer::Yes};
    item("mnuFileSave")->trigger();
    item("mnuPrint")->trigger();
    for (const std::string& saved : {readTextFile(chosen).value_or(""), printed.at(0)}) {
        EXPECT_NE(saved.find("Bartholomew Smith"), std::string::npos);
        EXPECT_EQ(saved.find("Anna Maria"), std::string::npos);
    }
}

TEST_F(DataWindowTest, ClearingKeepsTheTextAndPrintingGoesThroughThePrintFile) {
    EXPECT_TRUE(QFontInfo(control<QPlainTextEdit>(*data, "RichText1")->font()).fixedPitch());
    item("mnuPrint")->trigger();
    EXPECT_TRUE(printed.empty() && boxes.shown.empty());
    report({"X"});
    data->showReportText(std::nullopt);  // nothing to show keeps the text
    item("mnuClearBuffer")->trigger();
    EXPECT_EQ(boxes.shown.back(), (Message{"Information!", "All data cleared from buffer."}));
    EXPECT_EQ(shown(), "X\n\n\n");
    item("mnuPrintData")->trigger();
    EXPECT_EQ(boxes.shown.back().text, "No data to print.");
    item("mnuPrint")->trigger();
    EXPECT_EQ(printed, std::vector<std::string>{"X\r\n\r\n\r\n"});
}

TEST_F(DataWindowTest, AMissingHelpTextLeavesTheReportOnScreen) {
    report({"KEPT"});
    item("mnuHelp")->trigger();
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].severity, Severity::Warning);
    EXPECT_EQ(shown(), "KEPT\n\n\n");
}

TEST_F(DataWindowTest, GeometryGoesToTheSettingsAfterLoading) {
    const auto& settings = session.state.settings;
    data->show();
    data->resize(data->width() + 60, 300);
    EXPECT_EQ(settings.dataHeight, static_cast<std::int16_t>(300 * 1440 / data->logicalDpiY()));
    data->resize(4000, 300);  // wider than 16-bit twips can hold
    EXPECT_EQ(settings.dataWidth, 32767);
}

}  // namespace
}  // namespace helion::test
