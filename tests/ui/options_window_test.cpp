#include "ui/options_window.h"
#include "ui/entry_numbered_edit.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

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

// The margin numbers the entries outside the text; notes below the list are kept.
TEST_F(OptionsWindowTest, SaveWritesTheFileAndReloadsTheOptions) {
    ui::OptionsWindow window(session);
    EXPECT_EQ(content(window)->toPlainText(), "  7.0  conjunction orb\n  6.0  sextile orb\n");
    auto* edit = control<ui::EntryNumberedEdit>(window, "txtContent");
    edit->setPlainText("  2.5\n  6.0\n\nnotes after the list\n");
    EXPECT_EQ(std::vector({edit->entryNumber(0), edit->entryNumber(1), edit->entryNumber(2), edit->entryNumber(3)}),
              std::vector({1, 2, 0, 0}));
    click(window, "btnSave");
    EXPECT_FLOAT_EQ(session.state.options.orb(Aspect::Conjunct), 2.5f);
    EXPECT_EQ(folder.read("OPTIONS.OPT"), "  2.5\r\n  6.0\r\n\r\nnotes after the list\r\n");
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(OptionsWindowTest, AfterRestoringTheFileQuitAsksNothing) {
    ui::OptionsWindow window(session);
    window.show();
    boxes.answers = {ui::Answer::Yes};
    click(window, "cmdRestoreDefault");
    EXPECT_EQ(folder.read("OPTIONS.OPT"), kMaster);
    click(window, "btnQuit");
    EXPECT_FALSE(window.isVisible());  // the restored text is what the file holds: no question
}

// Answered in a real message box: its button, or Escape, which is Cancel. Quit and the
// window's close button ask alike.
TEST_F(OptionsWindowTest, QuitAndClosingWithChangesAskToSaveThem) {
    ui::QtMessageBoxes realBoxes;
    session.messages = &realBoxes;
    const struct {
        bool byQuit;
        QMessageBox::StandardButton button;  // NoButton: Escape
        bool open;
        float conjunctionOrb;
    } rows[] = {{true, QMessageBox::Cancel, true, 7.0f},
                {false, QMessageBox::NoButton, true, 7.0f},
                {true, QMessageBox::Yes, false, 2.5f}};
    for (const auto& row : rows) {
        ui::OptionsWindow window(session);
        window.show();
        content(window)->selectAll();
        content(window)->insertPlainText("  2.5  conjunction orb\n");  // typed: the text is modified
        QString asked;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_TRUE(box);
            asked = box->windowTitle() + ": " + box->text();
            if (row.button == QMessageBox::NoButton)
                QTest::keyClick(box, Qt::Key_Escape);
            else
                box->button(row.button)->click();
        });
        if (row.byQuit)
            click(window, "btnQuit");
        else
            window.close();
        EXPECT_EQ(asked, "Edit: OPTIONS.OPT: Save changes?");
        EXPECT_EQ(window.isVisible(), row.open) << row.button;
        EXPECT_FLOAT_EQ(session.state.options.orb(Aspect::Conjunct), row.conjunctionOrb) << row.button;
    }
    EXPECT_EQ(folder.read("OPTIONS.OPT"), "  2.5  conjunction orb\r\n");
}

TEST_F(OptionsWindowTest, AnUnreadableFileIsReportedAndNeverOverwritten) {
    std::filesystem::remove(folder.path() / "OPTIONS.OPT");
    std::filesystem::remove(folder.path() / "OPTIONS.MAS");
    ui::OptionsWindow window(session);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].severity, Severity::Error);
    EXPECT_FALSE(control<QPushButton>(window, "btnSave")->isEnabled());
    click(window, "cmdRestoreDefault");  // no master copy either
    ASSERT_EQ(boxes.shown.size(), 2u);
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "OPTIONS.OPT"));
}

}  // namespace
}  // namespace helion::test
