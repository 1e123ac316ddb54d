// The Timeline window's wiring to the Data window, the settings and the picture window.

#include "ui/timeline_window.h"

#include "core/base/text_file.h"
#include "ui/timeline_picture_window.h"

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

TEST_F(TimelineWindowTest, OkFillsTheDataWindowAndThePictureAndRemembersTheKinds) {
    ui::TimelineWindow window(session);
    EXPECT_TRUE(control<QCheckBox>(window, "chklunations")->isChecked());
    EXPECT_FALSE(control<QCheckBox>(window, "chktransits")->isChecked());
    window.layout()->activate();  // the kinds stand in columns of five
    EXPECT_EQ(control<QCheckBox>(window, "chkmoon")->x(), control<QCheckBox>(window, "chktransits")->x());
    EXPECT_NE(control<QCheckBox>(window, "chklunations")->x(), control<QCheckBox>(window, "chktransits")->x());
    control<QCheckBox>(window, "chkstations")->setChecked(true);

    window.accept();
    EXPECT_TRUE(boxes.shown.empty());
    const QString text = control<QPlainTextEdit>(*data, "RichText1")->toPlainText();
    EXPECT_TRUE(text.contains("TIMELINE - 01 Jan 2024 TO 31 Dec 2024")) << "the clock's year";
    EXPECT_EQ(session.state.settings.timelineKinds, "stations,lunations");

    // The picture window beside: pointing at a marker tells that marker's events.
    ui::TimelinePictureWindow* picture = session.windows.find<ui::TimelinePictureWindow>();
    ASSERT_TRUE(picture && picture->isVisible());
    const std::vector<TimelineMark>& marks = picture->picture().marks;
    ASSERT_FALSE(marks.empty());
    const WheelBox& box = marks.back().box;
    const QPointF pixel((box.left + box.right) / 2.0, -(box.top + box.bottom) / 2.0);
    EXPECT_EQ(picture->markTextAt(pixel).toStdString(), marks.back().text);

    const std::pair<const char*, std::size_t> cases[] = {{"t.svg", 0}, {"t.gif", 1}};  // a name it cannot write
    for (const auto& [name, warnings] : cases) {
        picture->chooseExportFile = [&] { return folder.path() / name; };
        picture->exportPicture();
        EXPECT_EQ(boxes.shown.size(), warnings) << name;
    }
    EXPECT_NE(readTextFile(folder.path() / "t.svg").value_or("").find("<title>"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "t.gif"));
}

TEST_F(TimelineWindowTest, ADateItCannotReadOrAPeriodEndingFirstIsSaidAndTheWindowStays) {
    for (const char* to : {"31 Dex 2024", "31 Dec 2023"}) {
        ui::TimelineWindow window(session);
        window.open();
        control(window, "txtTo")->setText(to);
        boxes.shown.clear();
        window.accept();
        ASSERT_EQ(boxes.shown.size(), 1u) << to;
        EXPECT_EQ(boxes.shown[0].severity, Severity::Warning) << to;
        EXPECT_TRUE(window.isVisible()) << to;
        EXPECT_FALSE(data->isVisible()) << to;
    }
}

}  // namespace
}  // namespace helion::test
