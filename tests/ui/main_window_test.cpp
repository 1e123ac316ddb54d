#include <QDate>
#include <QLineEdit>
#include <QPointer>

#include "core/config/settings.h"
#include "started_program.h"
#include "ui/diurnal_input_window.h"
#include "ui/natal_input_window.h"

namespace helion::test {
namespace {

using MainWindowTest = StartedProgramTest;

TEST_F(MainWindowTest, StartUpAppliesOptionsAndSettingsAndShowsTheWindows) {
    folder.write("Helion.INI", "HelionLeft= 1500\r\nHelionWidth= 9000\r\nHelionHeight= 1200\r\n");
    folder.write("RADIUS.DAT", "1,2,x\r\n");
    auto program = start();

    ui::MainWindow& main = *program->mainWindow;
    EXPECT_TRUE(main.windowTitle().startsWith("Helion (Tropical zodiac) - "));
    EXPECT_TRUE(main.isVisible());
    EXPECT_TRUE(program->natalInput->isVisible());
    // The input windows open below the main window and do not cover each other.
    EXPECT_GT(program->natalInput->frameGeometry().top(), main.frameGeometry().bottom());
    EXPECT_FALSE(program->natalInput->frameGeometry().intersects(program->diurnalInput->frameGeometry()));
    EXPECT_EQ(main.pos().x(), 1500 * main.logicalDpiX() / 1440);
    EXPECT_EQ(main.width(), 9000 * main.logicalDpiX() / 1440);
    EXPECT_EQ(program->session.state.houseSystem,
              houseSystemFromOption(program->session.state.options[option::HouseSystem]));
    EXPECT_FALSE(item(*program, "mnuData")->isVisible());
    EXPECT_FALSE(item(*program, "mnuInputData")->isVisible());

    // The broken table is reported and start-up goes on without it.
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].caption, kWarningCaption);
    EXPECT_FALSE(program->wheelTables.glyphRadii);
}

TEST_F(MainWindowTest, ExitAndClosingTheWindowBothWriteTheSettings) {
    for (const bool byMenu : {true, false}) {
        std::filesystem::remove(folder.path() / "Helion.INI");
        auto program = start();
        program->mainWindow->move(30, 40);
        if (byMenu)
            item(*program, "mnuFileExit")->trigger();
        else
            program->mainWindow->close();
        const SettingsRead written = readSettings(folder.path());
        EXPECT_FALSE(written.error);
        EXPECT_EQ(written.settings.helionLeft, 30 * 1440 / program->mainWindow->logicalDpiX()) << byMenu;
        EXPECT_EQ(written.settings.helionTop, 40 * 1440 / program->mainWindow->logicalDpiY()) << byMenu;
    }
}

TEST_F(MainWindowTest, AComputedChartOpensTheDataMenuAndAnotherHouseSystemRecomputesIt) {
    auto program = start();
    program->natalInput->pressOk();
    ASSERT_TRUE(program->session.state.chartsComputed) << (boxes.shown.empty() ? "" : boxes.shown[0].text);
    EXPECT_TRUE(item(*program, "mnuData")->isVisible());
    EXPECT_TRUE(item(*program, "mnuInputData")->isVisible());

    for (auto [name, heading] : {std::pair{"mnuDataProgressions", "PROGRESSED PLANET ASPECTS TO NATAL PLANETS"},
                                 {"mnuDataTransits", "TRANSITING PLANET ASPECTS TO NATAL PLANETS"},
                                 {"mnuCosmodynes", "TOTALS"}}) {
        item(*program, name)->trigger();
        EXPECT_TRUE(dataText(*program).contains(heading)) << name;
    }

    item(*program, "mnuHouseMeridian")->trigger();
    item(*program, "mnuHouseKoch")->trigger();
    EXPECT_TRUE(item(*program, "mnuHouseKoch")->isChecked());
    EXPECT_FALSE(item(*program, "mnuHouseMeridian")->isChecked());  // one system at a time
    EXPECT_EQ(program->session.state.charts.houseSystem, HouseSystem::Koch);
    EXPECT_TRUE(program->natalInput->isHidden());  // shown for the run, hidden by it
}

TEST_F(MainWindowTest, TheInputMenuRefreshesOnlyAChartNamedNow) {
    auto program = start();
    auto* year = program->natalInput->findChild<QLineEdit*>("txtYear");
    program->natalInput->pressOk();  // the window opens on a chart named "Now"
    year->setText("1999");
    item(*program, "mnuInputData")->trigger();
    EXPECT_EQ(year->text(), QString::number(QDate::currentDate().year()));
    EXPECT_TRUE(program->natalInput->isVisible());
    EXPECT_TRUE(program->diurnalInput->isVisible());

    program->natalInput->setTexts({"Sample", "3", "7", "1952", "10", "30", "5", "74", "0", "40", "43"});
    program->natalInput->pressOk();
    item(*program, "mnuInputData")->trigger();
    EXPECT_EQ(year->text(), "1952");
}

TEST_F(MainWindowTest, HelpOptionsAndAboutItems) {
    auto program = start();
    folder.write("HINTS.HLP", "Hint one\r\nHint two\r\n");
    item(*program, "mnuHelpHints")->trigger();
    EXPECT_TRUE(dataText(*program).startsWith("Hint one\nHint two\n"));

    item(*program, "mnuOptions")->trigger();
    item(*program, "mnuHelpAbout")->trigger();
    EXPECT_TRUE(program->mainWindow->findChild<QWidget*>("Options")->isVisible());
    QPointer<QWidget> about = program->mainWindow->findChild<QWidget*>("About");
    ASSERT_TRUE(about && about->isVisible());
    QTest::mouseClick(about, Qt::LeftButton);  // a click anywhere closes it
    EXPECT_TRUE(!about || !about->isVisible());
}

}  // namespace
}  // namespace helion::test
