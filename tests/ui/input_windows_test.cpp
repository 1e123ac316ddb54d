#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "window_fixture.h"

namespace helion::test {
namespace {

bool checked(QWidget& window, const char* name) { return WindowTest::control<QRadioButton>(window, name)->isChecked(); }

TEST_F(WindowTest, ControlsCarryTheirNamesAndCaptions) {
    EXPECT_EQ(natal->objectName(), "InputD");
    EXPECT_EQ(natal->windowTitle(), "Natal Input Data");
    EXPECT_EQ(diurnal->windowTitle(), "Diurnal Input Data");
    EXPECT_EQ(control<QLabel>(*natal, "lblBirthTZ")->text(), "Time Zone . . .");
    EXPECT_EQ(control<QLabel>(*diurnal, "lblDiurnalTZ")->text(), "D. Time Zone . . .");
    EXPECT_EQ(control<QGroupBox>(*natal, "Frame2")->title(), "Ea/We");
    EXPECT_EQ(control<QCheckBox>(*diurnal, "chk2ndPerson")->text(), "2nd Person");
    EXPECT_EQ(control<QCheckBox>(*diurnal, "chkNatOrNow")->text(), "Use natal data");
    for (const char* name : {"txtName", "txtMonth", "txtDay", "txtYear", "txtBirthHour", "txtBirthMinute", "txtTZ",
                             "txtLongDeg", "txtLongMin", "txtLatDeg", "txtLatMin"})
        control(*natal, name);
    control<QPushButton>(*natal, "cmdOK");
    control<QPushButton>(*natal, "cmdNow");
}

TEST_F(WindowTest, NowFillsThePresentMomentAndTheDefaultPlace) {
    for (auto [window, zone, longitude, latitudeMinutes, hour] :
         {std::tuple<QWidget*, const char*, const char*, const char*, const char*>{
              natal.get(), "txtTZ", "txtLongDeg", "txtLatMin", "txtBirthHour"},
          {diurnal.get(), "txtDiurnalTZ", "txtDiurnalLongDeg", "txtDiurnalLatMin", "txtDiurnalHour"}}) {
        EXPECT_EQ(text(*window, zone), "5");
        EXPECT_EQ(text(*window, longitude), "84");
        EXPECT_EQ(text(*window, latitudeMinutes), "45");
        const int clockHour = std::stoi(text(*window, hour));
        EXPECT_TRUE(clockHour >= 1 && clockHour <= 12) << clockHour;
    }
    EXPECT_EQ(text(*natal, "txtName"), "Now");
    EXPECT_TRUE(checked(*natal, "optWest"));
    EXPECT_TRUE(checked(*diurnal, "optDiurnalNorth"));
}

TEST_F(WindowTest, KeystrokeFiltersLetOnlyTheirCharactersIn) {
    struct Row {
        QWidget* window;
        const char* box;
        const char* typed;
        const char* kept;
    };
    for (const Row& row : {Row{natal.get(), "txtMonth", "1-2.a", "12"}, Row{natal.get(), "txtTZ", "-5.5a", "-5.5"},
                           Row{natal.get(), "txtName", "Ann-Marie 2.", "Ann-Marie 2."},
                           Row{diurnal.get(), "txtDiurnalLatMin", "4x5", "45"},
                           Row{diurnal.get(), "txtDiurnalTZ", "+3.", "3."}}) {
        QLineEdit* box = control(*row.window, row.box);
        box->clear();
        QTest::keyClicks(box, row.typed);
        EXPECT_EQ(box->text(), row.kept) << row.box;
    }
    // Editing keys still work in a number box.
    QLineEdit* day = control(*natal, "txtDay");
    day->setText("17");
    day->setCursorPosition(0);
    QTest::keyClick(day, Qt::Key_Delete);
    QTest::keyClick(day, Qt::Key_End);
    QTest::keyClick(day, Qt::Key_Backspace);
    EXPECT_EQ(day->text(), "");
}

TEST_F(WindowTest, HourBoxesFoldOntoTheTwelveHourClock) {
    QLineEdit* hour = control(*natal, "txtBirthHour");
    control<QRadioButton>(*natal, "optAM")->setChecked(true);
    hour->setText("0");
    EXPECT_EQ(hour->text(), "12");
    EXPECT_TRUE(checked(*natal, "optAM"));
    hour->setText("17");
    EXPECT_EQ(hour->text(), "5");
    EXPECT_TRUE(checked(*natal, "optPM"));
    hour->clear();
    EXPECT_EQ(shownTexts(), std::vector<std::string>{"Please fill in a value for birth hour."});

    boxes.shown.clear();
    QLineEdit* diurnalHour = control(*diurnal, "txtDiurnalHour");
    diurnalHour->setText("13");
    EXPECT_EQ(diurnalHour->text(), "1");
    EXPECT_TRUE(checked(*diurnal, "optDiurnalPM"));
    diurnalHour->setText("1x");
    diurnalHour->clear();
    EXPECT_EQ(shownTexts(), (std::vector<std::string>{"You are typing too fast. Please slow down.",
                                                      "Please fill in a value for diurnal hour."}));
}

TEST_F(WindowTest, DirectionButtonsSetTheZoneSign) {
    QLineEdit* zone = control(*natal, "txtTZ");
    zone->setText("5");
    control<QRadioButton>(*natal, "optEast")->click();
    EXPECT_EQ(zone->text(), "-5");
    control<QRadioButton>(*natal, "optWest")->click();
    EXPECT_EQ(zone->text(), "5");
    control<QRadioButton>(*diurnal, "optDiurnalEast")->click();
    EXPECT_EQ(text(*diurnal, "txtDiurnalTZ"), "-5");
}

TEST_F(WindowTest, FocusSelectsTheWholeText) {
    QLineEdit* year = control(*natal, "txtYear");
    year->setText("1952");
    year->deselect();
    QFocusEvent focus(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(year, &focus);
    QApplication::processEvents();
    EXPECT_EQ(year->selectedText(), "1952");
}

TEST_F(WindowTest, SecondPersonSwitchesTheMainMenus) {
    auto main = fakeMainWindow({"mnuDataSummary", "mnuDataProgressions", "mnuDataSolarArc", "mnuDataTransits"});
    auto* box = control<QCheckBox>(*diurnal, "chk2ndPerson");
    box->click();
    EXPECT_FALSE(main->findChild<QAction*>("mnuDataProgressions")->isEnabled());
    EXPECT_EQ(main->findChild<QAction*>("mnuDataTransits")->text(), "2nd &Person");
    EXPECT_TRUE(diurnal->secondPerson());
    box->click();
    EXPECT_TRUE(main->findChild<QAction*>("mnuDataSolarArc")->isEnabled());
    EXPECT_EQ(main->findChild<QAction*>("mnuDataTransits")->text(), "&Transits");
}

TEST_F(WindowTest, UseNatalDataCopiesTheNatalWindowAndClearingFillsNow) {
    control(*natal, "txtYear")->setText("1952");
    control(*natal, "txtLongDeg")->setText("74");
    control<QRadioButton>(*natal, "optSouth")->setChecked(true);
    auto* box = control<QCheckBox>(*diurnal, "chkNatOrNow");
    box->click();
    EXPECT_EQ(diurnal->texts().year, "1952");
    EXPECT_EQ(diurnal->texts().longitudeDegrees, "74");
    EXPECT_TRUE(diurnal->texts().south);
    box->click();
    EXPECT_EQ(diurnal->texts().longitudeDegrees, "84");
    EXPECT_FALSE(diurnal->texts().south);
}

TEST_F(WindowTest, RejectedInputChangesNothing) {
    session.state.data.appendReportLine("kept");
    control(*natal, "txtMonth")->setText("13");
    natal->show();
    control<QPushButton>(*natal, "cmdOK")->click();
    EXPECT_EQ(shownTexts(), std::vector<std::string>{"Error in natal input data section. Please correct."});
    EXPECT_FALSE(session.state.chartsComputed);
    EXPECT_EQ(session.state.data.fullList().count(), 1);
    EXPECT_TRUE(natal->isVisible());
}

TEST_F(WindowTest, OkComputesTheChartsAndShowsTheNatalReport) {
    int computed = 0;
    session.onChartsComputed = [&computed] { ++computed; };
    session.state.data.appendReportLine("an older report");
    natal->setTexts({"Sample", "3", "7", "1952", "10", "30", "5", "74", "0", "40", "43"});
    natal->show();
    diurnal->show();
    control<QPushButton>(*natal, "cmdOK")->click();
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(computed, 1);
    EXPECT_TRUE(session.state.chartsComputed);
    EXPECT_EQ(session.state.charts.chartName, "Sample");
    EXPECT_FALSE(natal->isVisible());
    EXPECT_FALSE(diurnal->isVisible());
    EXPECT_TRUE(data->isVisible());
    const QString shown = control<QPlainTextEdit>(*data, "RichText1")->toPlainText();
    EXPECT_TRUE(shown.contains("Sample"));
    EXPECT_FALSE(shown.contains("an older report"));
}

TEST_F(WindowTest, LeftClickOnTheBareDiurnalWindowComputesTheChart) {
    diurnal->show();
    // Labels and frames hand their clicks on to the window; they are not its surface.
    QWidget* label = control<QWidget>(*diurnal, "lblDiurnalMonth");
    QWidget* frame = control<QWidget>(*diurnal, "Frame2");
    for (auto [child, point] : {std::pair{label, label->rect().center()}, {frame, QPoint(2, frame->height() - 2)}}) {
        QTest::mouseClick(child, Qt::LeftButton, {}, point);
        EXPECT_FALSE(session.state.chartsComputed) << child->objectName().toStdString();
    }
    QTest::mouseClick(diurnal.get(), Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_TRUE(session.state.chartsComputed);
}

}  // namespace
}  // namespace helion::test
