// A user's first chart from start to report: the splash window's OK, a birth record typed
// key by key, a diurnal date, OK, and the Data window's text against helion-cli's for
// the same input; then another house system from the menu recomputes the report.

#include <string>

#include "../cli/cli_run.h"
#include "started_program.h"

namespace helion::test {
namespace {

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
    const std::pair<const char*, const char*> typed[] = {
        {"txtName", "Sample Chart"}, {"txtMonth", "3"},        {"txtDay", "7"},    {"txtYear", "1952"},
        {"txtBirthHour", "10"},      {"txtBirthMinute", "30"}, {"txtTZ", "5"},     {"txtLongDeg", "74"},
        {"txtLongMin", "0"},         {"txtLatDeg", "40"},      {"txtLatMin", "43"}};
    for (const auto& [name, text] : typed) {
        auto* box = program->natalInput->findChild<QLineEdit*>(name);
        box->setFocus();
        box->selectAll();  // typing replaces the whole entry, as after a click into the box
        QTest::keyClicks(box, text);
    }
    for (const char* name : {"optAM", "optWest", "optNorth"})
        program->natalInput->findChild<QRadioButton*>(name)->click();
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
