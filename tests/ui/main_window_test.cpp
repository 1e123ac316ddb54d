#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QScreen>
#include <QTimer>

#include <algorithm>
#include <chrono>

#include "core/config/settings.h"
#include "core/wheels/wheel_tables.h"
#include "started_program.h"
#include "ui/diurnal_input_window.h"
#include "ui/names_window.h"
#include "ui/natal_input_window.h"
#include "ui/print_file_window.h"
#include "ui/select_file_window.h"
#include "ui/time_zone_window.h"
#include "ui/twips_geometry.h"
#include "ui/wheel_window.h"

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
    // Where the windows open beside each other is checked under a real window manager (first-start.sh).
    ASSERT_TRUE(program->session.windows.find<ui::NamesWindow>());
    EXPECT_TRUE(program->session.windows.find<ui::NamesWindow>()->isVisible());
    EXPECT_TRUE(program->diurnalInput->isVisible());
    EXPECT_EQ(main.pos().x(), 1500 * main.logicalDpiX() / 1440);
    EXPECT_EQ(main.width(), 9000 * main.logicalDpiX() / 1440);
    EXPECT_EQ(program->session.state.houseSystem,
              houseSystemFromOption(program->session.state.options.houseSystemNumber()));
    EXPECT_FALSE(item(*program, "mnuData")->isVisible());
    EXPECT_FALSE(item(*program, "mnuInputData")->isVisible());

    // The broken table is reported once and the shipped one stands in for it.
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].severity, Severity::Warning);
    EXPECT_NE(boxes.shown[0].text.find("RADIUS.DAT"), std::string::npos);
    EXPECT_EQ(program->wheelTables.glyphRadii, shippedWheelTable(WheelTable::GlyphRadii));
}

// A stored size is the Data window's own test.
TEST_F(MainWindowTest, TheDataWindowOpensUnderTheMainWindowWideEnoughForEveryReport) {
    auto program = start();
    ui::DataWindow& data = *program->dataWindow;
    EXPECT_EQ(data.width(), std::min(data.widthForWidestReport(), data.screen()->availableGeometry().width()));
    EXPECT_GT(data.frameGeometry().top(), program->mainWindow->frameGeometry().bottom());
    // The place goes to the settings even before the window is first shown.
    EXPECT_EQ(program->session.state.settings.dataTop, geometryInTwips(data).top);
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

TEST_F(MainWindowTest, ExitFirstSettlesTheOptionsWindowsUnsavedChanges) {
    auto program = start();
    item(*program, "mnuOptions")->trigger();
    auto* options = program->mainWindow->findChild<QWidget*>("Options");
    ASSERT_TRUE(options);
    options->findChild<QPlainTextEdit*>("txtContent")->insertPlainText("9");
    for (const ui::Answer answer : {ui::Answer::Cancel, ui::Answer::No}) {
        boxes.answers = {answer};
        item(*program, "mnuFileExit")->trigger();
        EXPECT_EQ(boxes.shown.back().text, "Save changes?");
        EXPECT_EQ(std::filesystem::exists(folder.path() / "Helion.INI"), answer == ui::Answer::No);
        EXPECT_EQ(program->mainWindow->isVisible(), answer == ui::Answer::Cancel);
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

    // Another house system recomputes the report: the end-to-end test compares it with the command line's.
    item(*program, "mnuHouseMeridian")->trigger();
    item(*program, "mnuHouseKoch")->trigger();
    EXPECT_FALSE(item(*program, "mnuHouseMeridian")->isChecked());  // one system at a time
    EXPECT_TRUE(program->natalInput->isHidden());                   // shown for the run, hidden by it
}

// The menu checks the one system option 27 names (the numbers are the core's table).
TEST_F(MainWindowTest, TheHousesMenuChecksTheSystemOfOption27) {
    const std::string options = folder.read("OPTIONS.OPT");
    const std::size_t entry27 = options.find("1      House system");
    ASSERT_NE(entry27, std::string::npos);
    folder.write("OPTIONS.OPT", std::string(options).replace(entry27, 1, "11"));
    auto program = start();
    const auto houses = program->mainWindow->findChild<QMenu*>("mnuHouseSystem")->actions();
    EXPECT_EQ(std::ranges::count_if(houses, [](const QAction* a) { return a->isChecked(); }), 1);
    EXPECT_TRUE(item(*program, "mnuHouseCampanus")->isChecked());
    EXPECT_EQ(item(*program, "mnuHouseCampanus")->text(), "&Campanus");
}

TEST_F(MainWindowTest, TheInputMenuRefreshesOnlyAChartNamedNow) {
    auto program = start();
    using namespace std::chrono;
    program->session.universalClock = [] { return sys_days{2031y / June / 15} + 12h; };
    auto* year = program->natalInput->findChild<QLineEdit*>("txtYear");
    program->natalInput->pressOk();  // the window opens on a chart named "Now"
    year->setText("1999");
    item(*program, "mnuInputData")->trigger();
    EXPECT_EQ(year->text(), "2031");
    EXPECT_TRUE(program->natalInput->isVisible());
    EXPECT_TRUE(program->diurnalInput->isVisible());

    program->natalInput->setTexts({"Sample", "3", "7", "1952", "10", "30", "5", "74", "0", "40", "43"});
    program->natalInput->pressOk();
    program->session.windows.find<ui::NamesWindow>()->close();
    item(*program, "mnuInputData")->trigger();
    EXPECT_EQ(year->text(), "1952");
    EXPECT_TRUE(program->session.windows.find<ui::NamesWindow>()->isVisible()) << "and through it the Cities window";
}

// The clock runs in the zone the natal window shows: 23:59:30 UT is 9:59:30 the next morning ten hours east.
TEST_F(MainWindowTest, TheCaptionClockShowsTheMomentAtTheNatalWindowsZone) {
    auto program = start();
    using namespace std::chrono;
    program->session.universalClock = [] { return sys_days{2026y / December / 31} + 23h + 59min + 30s; };
    program->session.state.timeFormat = TimeFormat::TwelveHour;
    program->natalInput->findChild<QLineEdit*>("txtTZ")->setText("-10");
    program->mainWindow->updateClock();
    EXPECT_EQ(program->mainWindow->windowTitle(), "Helion (Tropical zodiac) - 01 Jan 2027     9:59:30 AM");
}

// Makes a window the active one, as a click on it would, so that its shortcuts apply.
void activate(QWidget& window) {
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window)) << window.objectName().toStdString();
}

TEST_F(MainWindowTest, ShortcutsSaveAndPrintTheDataShowTheActiveWindowsHelpAndExit) {
    auto program = start();
    folder.write("INPUTD.HLP", "Natal window help\r\n");
    folder.write("OUTPUTD1.HLP", "Data window help\r\n");
    ui::DataWindow& data = *program->dataWindow;
    int saves = 0, prints = 0;
    data.chooseSaveFile = [&saves](const std::filesystem::path&) {
        ++saves;
        return std::optional<std::filesystem::path>();
    };
    data.printFile = [&prints](const std::filesystem::path&) { ++prints; };
    program->natalInput->pressOk();
    activate(data);
    QTest::keyClick(&data, Qt::Key_S, Qt::ControlModifier);
    QTest::keyClick(&data, Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(std::pair(saves, prints), std::pair(1, 1));
    QTest::keyClick(&data, Qt::Key_F1);
    EXPECT_TRUE(dataText(*program).startsWith("Data window help")) << dataText(*program).toStdString();

    activate(*program->natalInput);
    QTest::keyClick(program->natalInput->findChild<QLineEdit*>("txtName"), Qt::Key_F1);
    EXPECT_TRUE(dataText(*program).startsWith("Natal window help")) << dataText(*program).toStdString();
    std::filesystem::remove(folder.path() / "Helion.INI");
    QTest::keyClick(program->natalInput->findChild<QLineEdit*>("txtName"), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_TRUE(std::filesystem::exists(folder.path() / "Helion.INI"));  // Exit writes the settings
}

// Escape in a side window's text brings the main window forward and leaves the side window open.
TEST_F(MainWindowTest, EscapeInTheDataWindowAndTheAspectListReturnsToTheMainWindow) {
    auto program = start();
    program->natalInput->pressOk();
    item(*program, "mnuWheelsSingleNatal")->trigger();
    ui::WheelWindow* wheel = program->mainWindow->wheelWindow();
    ASSERT_TRUE(wheel);
    wheel->findChild<QAction*>("mnuAspects")->trigger();
    QWidget* aspects = wheel->findChild<QWidget*>("CWAspect");
    ASSERT_TRUE(aspects);
    for (QWidget* window : {static_cast<QWidget*>(program->dataWindow.get()), aspects}) {
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == window; }));
        auto* text = window->findChild<QPlainTextEdit*>();
        ASSERT_TRUE(text);
        QTest::keyClick(text, Qt::Key_Escape);
        EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == program->mainWindow.get(); }))
            << window->objectName().toStdString();
        EXPECT_TRUE(window->isVisible());
    }
}

TEST_F(MainWindowTest, F1ReachesTheModalWindowsAndTheTimeZoneWindowShowsItsOwnHelp) {
    auto program = start();
    folder.write("SELECT.HLP", "Select help\r\n");
    folder.write("PRNTFILE.HLP", "Print file help\r\n");
    folder.write("PRNTFILE.XXX", "a line\r\n");
    ui::SelectFileWindow select(folder.path(), "*.FIL", {}, program->mainWindow.get());
    ui::PrintFileWindow print(program->session, folder.path() / "PRNTFILE.XXX", program->mainWindow.get());
    for (const auto& [dialog, help] :
         {std::pair<QDialog*, const char*>{&select, "Select help"}, {&print, "Print file help"}}) {
        QString shown;
        QTimer::singleShot(0, [&shown, program = program.get(), dialog = dialog] {
            QTest::keyClick(dialog, Qt::Key_F1);
            shown = dataText(*program);
            dialog->reject();
        });
        dialog->exec();
        EXPECT_TRUE(shown.startsWith(help)) << shown.toStdString();
    }

    ui::TimeZoneWindow& zones = ui::TimeZoneWindow::open(program->session, false);
    QTest::keyClick(&zones, Qt::Key_F1);
    EXPECT_TRUE(zones.findChild<QLabel*>("lblHelp")->isVisible());
    EXPECT_TRUE(dataText(*program).startsWith("Print file help")) << "the Data window is left alone";
}

// Which file each window's help shows is the core's table; here one item of the Help menu.
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
