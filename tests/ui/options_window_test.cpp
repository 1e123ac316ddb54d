#include "ui/options_window.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "window_fixture.h"

namespace helion::test {
namespace {

constexpr const char* kMaster = "  8.0  conjunction orb\r\n  6.0  sextile orb\r\n";

class OptionsWindowTest : public WindowTest {
protected:
    OptionsWindowTest() {
        folder.write("OPTIONS.MAS", kMaster);
        folder.write("OPTIONS.OPT", "  7.0  conjunction orb\r\n  6.0  sextile orb\r\n");
        session.state.options.value[1] = 7.0f;
    }
    static QPlainTextEdit* content(QWidget& w) { return control<QPlainTextEdit>(w, "txtContent"); }
    static void click(QWidget& w, const char* name) {
        QTest::mouseClick(control<QPushButton>(w, name), Qt::LeftButton);
    }
};

TEST_F(OptionsWindowTest, SaveWritesTheFileAndReloadsTheOptions) {
    ui::OptionsWindow window(session);
    EXPECT_EQ(window.windowTitle(), "Edit: OPTIONS.OPT");
    EXPECT_EQ(content(window)->toPlainText(), "  7.0  conjunction orb\n  6.0  sextile orb\n");
    content(window)->setPlainText("  2.5  conjunction orb\n  6.0  sextile orb\n");
    click(window, "btnSave");
    EXPECT_FLOAT_EQ(session.state.options[1], 2.5f);
    EXPECT_EQ(folder.read("OPTIONS.OPT"), "  2.5  conjunction orb\r\n  6.0  sextile orb\r\n");
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(OptionsWindowTest, RestoreThenQuitKeepsTheOptionsInUseButRestoresTheFile) {
    ui::OptionsWindow window(session);
    window.show();
    click(window, "cmdRestoreDefault");
    EXPECT_EQ(folder.read("OPTIONS.OPT"), kMaster);
    EXPECT_EQ(content(window)->toPlainText(), "  8.0  conjunction orb\n  6.0  sextile orb\n");
    click(window, "btnQuit");
    EXPECT_FLOAT_EQ(session.state.options[1], 7.0f);
}

TEST_F(OptionsWindowTest, AnUnreadableFileIsReportedAndNeverOverwritten) {
    std::filesystem::remove(folder.path() / "OPTIONS.OPT");
    std::filesystem::remove(folder.path() / "OPTIONS.MAS");
    ui::OptionsWindow window(session);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].caption, kErrorCaption);
    EXPECT_FALSE(control<QPushButton>(window, "btnSave")->isEnabled());
    click(window, "cmdRestoreDefault");  // no master copy either
    ASSERT_EQ(boxes.shown.size(), 2u);
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "OPTIONS.OPT"));
}

}  // namespace
}  // namespace helion::test
