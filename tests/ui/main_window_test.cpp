#include <QMenu>
#include <QPointer>
#include <QTimer>

#include <algorithm>
#include <chrono>

#include "core/config/settings.h"
#include "core/wheels/wheel_tables.h"
#include "started_program.h"
#include "ui/select_file_window.h"
#include "ui/timeline_window.h"
#include "ui/wheel_window.h"

namespace helion::test {
namespace {

using MainWindowTest = StartedProgramTest;

TEST_F(MainWindowTest, StartUpAppliesTheSettingsAndReportsABrokenTableOnce) {
    folder.write("Helion.INI", "HelionLeft= 1500\r\nHelionWidth= 9000\r\nHelionHeight= 1200\r\n");
    folder.write("RADIUS.DAT", "1,2,x\r\n");
    auto program = start();
    ui::MainWindow& main = *program->mainWindow;
    EXPECT_TRUE(main.isVisible() && program->natalInput->isVisible() && program->diurnalInput->isVisible());
    EXPECT_EQ(main.width(), 9000 * main.logicalDpiX() / 1440);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_NE(boxes.shown[0].text.find("RADIUS.DAT"), std::string::npos);
    EXPECT_EQ(program->wheelTables.glyphRadii, shippedWheelTable(WheelTable::GlyphRadii));
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
        EXPECT_EQ(std::filesystem::exists(folder.path() / "Helion.INI"), answer == ui::Answer::No);
        EXPECT_EQ(program->mainWindow->isVisible(), answer == ui::Answer::Cancel);
    }
}

TEST_F(MainWindowTest, AComputedChartOpensTheDataMenuAndOneHouseSystemIsChecked) {
    auto program = start();
    EXPECT_FALSE(item(*program, "mnuData")->isVisible());
    program->natalInput->pressOk();
    EXPECT_TRUE(item(*program, "mnuData")->isVisible());
    for (auto [name, heading] : {std::pair{"mnuDataProgressions", "PROGRESSED PLANET ASPECTS TO NATAL PLANETS"},
                                 {"mnuDataTransits", "TRANSITING PLANET ASPECTS TO NATAL PLANETS"},
                                 {"mnuCosmodynes", "TOTALS"}}) {
        item(*program, name)->trigger();
        EXPECT_TRUE(dataText(*program).contains(heading)) << name;
    }
    item(*program, "mnuHouseMeridian")->trigger();
    item(*program, "mnuHouseKoch")->trigger();
    EXPECT_FALSE(item(*program, "mnuHouseMeridian")->isChecked());
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

    program->natalInput->setTexts({"Sample", "3", "7", "1952", "10", "30", "5", "74", "0", "40", "43"});
    program->natalInput->pressOk();
    item(*program, "mnuInputData")->trigger();
    EXPECT_EQ(year->text(), "1952");
}

// The clock runs in the zone the natal window shows: 23:59:30 UT is 9:59:30 the next morning ten hours east.
TEST_F(MainWindowTest, TheCaptionClockRunsAtTheNatalWindowsZone) {
    auto program = start();
    using namespace std::chrono;
    int ticks = 0;
    program->session.universalClock = [&ticks] {
        return sys_days{2026y / December / 31} + 23h + 59min + 29s + ++ticks * 1s;
    };
    program->session.state.timeFormat = TimeFormat::TwelveHour;
    program->natalInput->findChild<QLineEdit*>("txtTZ")->setText("-10");
    ticks = 0;
    EXPECT_TRUE(QTest::qWaitFor([&] { return ticks > 0; }, 3000)) << "the clock ticks on its own";
    ticks = 0;
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

    activate(*program->natalInput);
    QTest::keyClick(program->natalInput->findChild<QLineEdit*>("txtName"), Qt::Key_F1);
    EXPECT_TRUE(dataText(*program).startsWith("Natal window help"));
    std::filesystem::remove(folder.path() / "Helion.INI");
    QTest::keyClick(program->natalInput->findChild<QLineEdit*>("txtName"), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_TRUE(std::filesystem::exists(folder.path() / "Helion.INI"));  // Exit writes the settings
}

TEST_F(MainWindowTest, F1ReachesAModalWindow) {
    auto program = start();
    folder.write("SELECT.HLP", "Select help\r\n");
    ui::SelectFileWindow select(folder.path(), "*.FIL", {}, program->mainWindow.get());
    QString shown;
    QTimer::singleShot(0, [&] {
        QTest::keyClick(&select, Qt::Key_F1);
        shown = dataText(*program);
        select.reject();
    });
    select.exec();
    EXPECT_TRUE(shown.startsWith("Select help")) << shown.toStdString();
}

// Each Timeline window is its own and goes when closed; the About window shows the name in
// large letters and closes at a click anywhere.
TEST_F(MainWindowTest, TimelineAndAboutItems) {
    auto program = start();
    item(*program, "mnuDataTimeline")->trigger();
    QPointer<ui::TimelineWindow> timeline = program->mainWindow->findChild<ui::TimelineWindow*>();
    ASSERT_TRUE(timeline);
    timeline->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(timeline);

    item(*program, "mnuHelpAbout")->trigger();
    QPointer<QWidget> about = program->mainWindow->findChild<QWidget*>("About");
    ASSERT_TRUE(about && about->isVisible());
    const QImage image = about->grab().toImage();
    int top = image.height(), bottom = 0;  // of the name's golden letters
    for (int y = 0; y < 90; ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() > 200 && c.blue() < 120) top = std::min(top, y), bottom = std::max(bottom, y);
        }
    }
    EXPECT_GT(bottom - top, 20) << "letters of 28 points";
    QTest::mouseClick(about, Qt::LeftButton);
    EXPECT_TRUE(!about || !about->isVisible());
}

}  // namespace
}  // namespace helion::test
