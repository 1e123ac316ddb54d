// The Timeline window's wiring: its defaults, what OK hands to the Data window and the
// settings, and a date it cannot read.

#include "ui/timeline_window.h"

#include <QCheckBox>
#include <QPlainTextEdit>

#include <chrono>

#include "window_fixture.h"

namespace helion::test {
namespace {

using namespace std::chrono;

class TimelineWindowTest : public WindowTest {
protected:
    TimelineWindowTest() {
        session.universalClock = [] { return sys_days(March / 6 / 2024) + hours(20); };
        session.state.settings.timelineKinds = "lunations";
    }
};

TEST_F(TimelineWindowTest, OkFillsTheDataWindowAndRemembersTheKinds) {
    ui::TimelineWindow window(session);
    EXPECT_EQ(control(window, "txtFrom")->text(), "01 Jan 2024");
    EXPECT_EQ(control(window, "txtTo")->text(), "31 Dec 2024");
    EXPECT_TRUE(control<QCheckBox>(window, "chklunations")->isChecked());
    EXPECT_FALSE(control<QCheckBox>(window, "chktransits")->isChecked());
    control<QCheckBox>(window, "chkstations")->setChecked(true);
    control<QCheckBox>(window, "chkSortByKind")->setChecked(true);

    window.accept();
    EXPECT_TRUE(boxes.shown.empty());
    const QString text = control<QPlainTextEdit>(*data, "RichText1")->toPlainText();
    EXPECT_TRUE(text.contains("TIMELINE - 01 Jan 2024 TO 31 Dec 2024")) << text.toStdString();
    // Sorted by kind: every full moon (the kind after the new moon's) comes after the new moons.
    EXPECT_LT(text.lastIndexOf("NEW MOON"), text.indexOf("FULL MOON"));
    EXPECT_EQ(session.state.settings.timelineKinds, "stations,lunations");
}

TEST_F(TimelineWindowTest, ADateItCannotReadIsSaidAndTheWindowStays) {
    ui::TimelineWindow window(session);
    control(window, "txtTo")->setText("31 Dex 2024");
    window.accept();
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].severity, Severity::Warning);
    EXPECT_EQ(session.state.settings.timelineKinds, "lunations");
}

}  // namespace
}  // namespace helion::test
