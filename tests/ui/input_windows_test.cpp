#include "core/chart/pipeline.h"
#include "window_fixture.h"

namespace helion::test {
namespace {

class InputWindowTest : public WindowTest {
protected:
    ui::InputWindow& window(bool inDiurnal) { return inDiurnal ? static_cast<ui::InputWindow&>(*diurnal) : *natal; }
    // The diurnal window's controls carry "Diurnal" after their type prefix: txtTZ, txtDiurnalTZ.
    template <typename W = QLineEdit>
    W* in(bool inDiurnal, std::string name) {
        if (inDiurnal) name.insert(3, "Diurnal");
        return control<W>(window(inDiurnal), name.c_str());
    }
    QLineEdit* hour(bool inDiurnal) { return in(inDiurnal, inDiurnal ? "txtHour" : "txtBirthHour"); }
};

// Which characters each filter takes is the core's table; here each kind of box applies its
// filter to keys: one row per kind of filter, the windows sharing the wiring.
TEST_F(InputWindowTest, KeystrokeFiltersLetOnlyTheirCharactersIn) {
    const struct {
        bool inDiurnal;
        const char *box, *typed, *kept;
    } rows[] = {{false, "txtMonth", "1-2.a", "12"},
                {false, "txtName", "Ann-Marie 2.", "Ann-Marie 2."},
                {true, "txtTZ", "+3.", "3."}};
    for (const auto& row : rows) {
        QLineEdit* box = in(row.inDiurnal, row.box);
        box->clear();
        QTest::keyClicks(box, row.typed);
        EXPECT_EQ(box->text(), row.kept) << row.box;
    }
    QLineEdit* day = in(false, "txtDay");  // editing keys still work in a number box
    day->setText("17");
    day->setCursorPosition(0);
    QTest::keyClick(day, Qt::Key_Delete);
    QTest::keyClick(day, Qt::Key_End);
    QTest::keyClick(day, Qt::Key_Backspace);
    EXPECT_EQ(day->text(), "");
}

// The folding rules are the core's; here each window's hour box asks them for its own kind
// of box (the natal one reads a leading number, the diurnal one refuses it) and shows the
// folded hour and its half of the day, or the message.
TEST_F(InputWindowTest, HourBoxesFoldOntoTheTwelveHourClock) {
    const struct {
        bool inDiurnal;
        const char *typed, *shown;
        bool pm;
        const char* message;
    } rows[] = {
        {false, "15x", "3", true, nullptr},
        {true, "1x", "1x", false, "You are typing too fast. Please slow down."},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.inDiurnal ? "diurnal '" : "natal '") + row.typed + "'");
        in<QRadioButton>(row.inDiurnal, "optAM")->setChecked(true);
        hour(row.inDiurnal)->setText("5");
        boxes.shown.clear();
        hour(row.inDiurnal)->setText(row.typed);
        EXPECT_EQ(hour(row.inDiurnal)->text(), row.shown);
        EXPECT_EQ(in<QRadioButton>(row.inDiurnal, "optPM")->isChecked(), row.pm);
        EXPECT_EQ(shownTexts(), row.message ? std::vector<std::string>{row.message} : std::vector<std::string>{});
    }
}

// Both windows share these buttons' wiring; the sign rule is the core's.
TEST_F(InputWindowTest, EastAndWestSetTheZoneSign) {
    in(true, "txtTZ")->setText("5");
    in<QRadioButton>(true, "optEast")->click();
    EXPECT_EQ(in(true, "txtTZ")->text(), "-5");
    in<QRadioButton>(true, "optWest")->click();
    EXPECT_EQ(in(true, "txtTZ")->text(), "5");
}

TEST_F(InputWindowTest, UseNatalDataCopiesTheNatalWindowUntilCleared) {
    natal->setTexts({"Sample", "3", "7", "1952", "10", "30", "5", "74", "0", "40", "43", true, false, true});
    auto* box = control<QCheckBox>(*diurnal, "chkNatOrNow");
    box->click();
    EXPECT_EQ(diurnal->texts().year + " " + diurnal->texts().longitudeDegrees, "1952 74");
    EXPECT_TRUE(diurnal->texts().south);
    box->click();  // cleared: Now again
    EXPECT_EQ(diurnal->texts().longitudeDegrees, "84");
    EXPECT_FALSE(diurnal->texts().south);
}

TEST_F(InputWindowTest, NowIsTheClocksUniversalTimeAtTheZoneEachWindowShows) {
    // 8:27 PM Universal Time on 6 March 2024; the computer's own zone plays no part.
    using namespace std::chrono;
    session.universalClock = [] { return sys_days(March / 6 / 2024) + hours(20) + minutes(27); };
    session.state.options.value[option::DefaultZone] = 5;
    natal->fillPresentMoment();
    diurnal->fillPresentMoment();
    for (const bool inDiurnal : {false, true}) {
        const InputWindowTexts texts = window(inDiurnal).texts();
        EXPECT_EQ(texts.month + "/" + texts.day + "/" + texts.year + " " + texts.hour + ":" + texts.minute,
                  "3/6/2024 3:27");
        EXPECT_FALSE(texts.am);
    }
}

// One row per way OK ends (which input is refused or rolled is the core's to decide): refused,
// the window staying and the older report untouched; or computed, a rolled date told, and
// the new natal report shown alone.
TEST_F(InputWindowTest, OkRefusesBadInputUntouchedElseShowsOnlyTheNewNatalReport) {
    session.state.data.appendReportLine("an older report");
    const struct {
        const char *month, *day;
        std::vector<Message> shown;
    } rows[] = {
        {"13", "7", {warningMessage("Error in natal input data section. Please correct.")}},
        {"4",
         "31",
         {informationMessage("The natal date 4/31/1952 does not exist; the chart is computed for 5/1/1952.")}},
        {"3", "7", {}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.month);
        const bool refused = row.month == std::string("13");
        natal->setTexts({"Sample", row.month, row.day, "1952", "10", "30", "5", "74", "0", "40", "43"});
        natal->show();
        boxes.shown.clear();
        control<QPushButton>(*natal, "cmdOK")->click();
        EXPECT_EQ(boxes.shown, row.shown);
        EXPECT_EQ(natal->isVisible(), refused);
        const QString shown = control<QPlainTextEdit>(*data, "RichText1")->toPlainText();
        EXPECT_EQ(shown.contains("Sample"), !refused);
        EXPECT_FALSE(shown.contains("an older report"));
        EXPECT_EQ(session.state.data.fullList().count() == 1, refused);  // the older report alone, untouched
    }
}

}  // namespace
}  // namespace helion::test
