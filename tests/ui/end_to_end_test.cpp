// A user's first chart from start to report: the splash window's OK, a birth record typed
// key by key, a diurnal date, OK, and the Data window's text against helion-cli's for
// the same input; then another house system from the menu recomputes the report.

#include <string>

#include "../cli/cli_run.h"
#include "started_program.h"

namespace helion::test {
namespace {

// Types each text into the box of the same place in `boxes`, then clicks the option buttons.
void typeInto(QWidget& window, std::initializer_list<const char*> boxes, std::initializer_list<const char*> texts,
              std::initializer_list<const char*> options) {
    ASSERT_EQ(boxes.size(), texts.size());
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        auto* box = window.findChild<QLineEdit*>(boxes.begin()[i]);
        ASSERT_TRUE(box) << boxes.begin()[i];
        box->setFocus();
        box->selectAll();  // typing replaces the whole entry, as after a click into the box
        QTest::keyClicks(box, texts.begin()[i]);
    }
    for (const char* name : options) {
        auto* button = window.findChild<QRadioButton*>(name);
        ASSERT_TRUE(button) << name;
        button->click();
    }
}

std::string cliReport(const std::filesystem::path& folder, DateOrder order, char house) {
    const CliResult result = runCli(
        "report natal --natal 'Sample Chart,07 Mar 1952,10.30,A,5,74.00,40.43'"
        " --diurnal 'Today,06 Dec 2026,12.00,P,5,74.00,40.43' --house " +
        std::string(1, house) + " --date-order " + std::to_string(static_cast<int>(order)) + " --folder '" +
        folder.string() + "'");
    EXPECT_EQ(result.status, 0) << result.err;
    return result.out;
}

std::string shownReport(ui::Program& program) { return dataText(program).toStdString(); }

TEST_F(StartedProgramTest, ATypedChartShowsTheSameNatalReportAsTheCommandLine) {
    auto program = start();
    typeInto(*program->natalInput,
             {"txtName", "txtMonth", "txtDay", "txtYear", "txtBirthHour", "txtBirthMinute", "txtTZ", "txtLongDeg",
              "txtLongMin", "txtLatDeg", "txtLatMin"},
             {"Sample Chart", "3", "7", "1952", "10", "30", "5", "74", "0", "40", "43"},
             {"optAM", "optWest", "optNorth"});
    program->diurnalInput->setTexts({"", "12", "6", "2026", "12", "0", "5", "74", "0", "40", "43", false});
    QTest::mouseClick(program->natalInput->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
    ASSERT_TRUE(program->session.state.chartsComputed) << (boxes.shown.empty() ? "" : boxes.shown[0].text);
    EXPECT_TRUE(boxes.shown.empty());

    const DateOrder order = program->session.state.dateOrder;
    const char systemFromOptions = static_cast<char>(program->session.state.houseSystem);
    EXPECT_EQ(shownReport(*program), cliReport(folder.path(), order, systemFromOptions));

    const char other = systemFromOptions == 'K' ? 'R' : 'K';
    item(*program, other == 'K' ? "mnuHouseKoch" : "mnuHouseRegiomontanus")->trigger();
    EXPECT_EQ(shownReport(*program), cliReport(folder.path(), order, other));
}

}  // namespace
}  // namespace helion::test
