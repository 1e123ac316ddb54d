// What a user sees of each window as it opens, and what other code finds in it by name:
// its caption, its size at first open, its controls laid out in it, checkable menu items.
#include <QCheckBox>
#include <QLayout>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>

#include <functional>
#include <set>

#include "started_program.h"
#include "ui/names_window.h"
#include "ui/natal_input_window.h"
#include "ui/print_file_window.h"
#include "ui/select_file_window.h"
#include "ui/time_zone_window.h"
#include "ui/timeline_window.h"
#include "ui/wheel_window.h"

namespace helion::test {
namespace {

bool laidOut(const QLayout* layout, const QWidget* control) {
    for (int i = 0; layout && i < layout->count(); ++i) {
        QLayoutItem* entry = layout->itemAt(i);
        if (entry->widget() == control || laidOut(entry->layout(), control)) return true;
    }
    return false;
}

class WindowSetupTest : public StartedProgramTest {
protected:
    void SetUp() override { program = start(); }
    QWidget& main() { return *program->mainWindow; }
    std::unique_ptr<ui::Program> program;
};

TEST_F(WindowSetupTest, EachWindowOpensWithItsCaptionSizeAndControlsInPlace) {
    ui::Session& session = program->session;
    const auto printed = folder.write("PRNTFILE.XXX", "a line\r\n");
    QWidget* editor = nullptr;
    const auto openEditor = [&] {
        ui::NamesWindow& names = ui::NamesWindow::open(session);
        names.findChild<QPushButton*>("cmdEditList")->click();
        return editor = names.findChild<QWidget*>("NameEdit");
    };
    const struct {
        const char* caption;
        std::function<QWidget*()> open;
        QSize size;  // empty: set by the window's placement
        const char* control;
    } rows[] = {
        {"Names", [&] { return &ui::NamesWindow::open(session); }, {}, "NamesOnFile"},
        {"Select A File",
         [&] { return new ui::SelectFileWindow(folder.path(), "*.FIL", {}, &main()); },
         {560, 380},
         "cmdCancel"},
        {"Time Zones", [&] { return &ui::TimeZoneWindow::open(session, false); }, {460, 420}, "lstTimeZones"},
        {"File To Print", [&] { return new ui::PrintFileWindow(session, printed, &main()); }, {760, 520}, "txtContent"},
        {nullptr, openEditor, {640, 480}, "txtContent"},
    };
    for (const auto& row : rows) {
        QWidget* window = row.open();
        ASSERT_TRUE(window) << row.control;
        SCOPED_TRACE(window->windowTitle().toStdString());
        if (row.caption) {
            EXPECT_EQ(window->windowTitle(), row.caption);
        }
        if (!row.size.isEmpty()) {
            EXPECT_EQ(window->size(), row.size);
        }
        EXPECT_TRUE(laidOut(window->layout(), window->findChild<QWidget*>(row.control)));
    }
    ASSERT_TRUE(editor);
    EXPECT_EQ(editor->findChild<QPlainTextEdit*>("txtContent")->lineWrapMode(), QPlainTextEdit::NoWrap);
}

TEST_F(WindowSetupTest, MenusAndAttributesOtherCodeReliesOn) {
    EXPECT_TRUE(program->dataWindow->layout()->menuBar());
    for (const char* name : {"mnuFontsBold", "mnuFontsItalic"})
        EXPECT_TRUE(program->dataWindow->findChild<QAction*>(name)->isCheckable()) << name;
    program->natalInput->pressOk();
    item(*program, "mnuWheelsSingleNatal")->trigger();
    EXPECT_TRUE(program->mainWindow->wheelWindow()->centralWidget()->testAttribute(Qt::WA_OpaquePaintEvent));

    item(*program, "mnuDataTimeline")->trigger();
    QPointer<ui::TimelineWindow> timeline = main().findChild<ui::TimelineWindow*>();
    ASSERT_TRUE(timeline);
    timeline->layout()->activate();
    std::set<int> columns;  // the event kinds stand in columns of five
    int kinds = 0;
    for (const QCheckBox* kind : timeline->findChildren<QCheckBox*>()) {
        const QString name = kind->objectName();
        if (name.size() < 4 || name[3].isUpper()) continue;  // not a kind of event
        columns.insert(kind->x());
        ++kinds;
    }
    EXPECT_EQ(static_cast<int>(columns.size()), (kinds + 4) / 5);
    timeline->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(timeline);
}

TEST_F(WindowSetupTest, TheCaptionClockRuns) {
    int seconds = 0;
    program->session.universalClock = [&seconds] { return std::chrono::sys_seconds(std::chrono::seconds(++seconds)); };
    const QString before = main().windowTitle();
    EXPECT_TRUE(QTest::qWaitFor([&] { return main().windowTitle() != before; }, 3000));
}

// The program's name stands large over the smaller lines below it.
TEST_F(WindowSetupTest, TheAboutWindowShowsTheNameInLargeLetters) {
    item(*program, "mnuHelpAbout")->trigger();
    QWidget* about = main().findChild<QWidget*>("About");
    ASSERT_TRUE(about);
    const QImage image = about->grab().toImage();
    int top = image.height(), bottom = 0;
    for (int y = 0; y < std::min(image.height(), 90); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() > 200 && c.green() > 150 && c.blue() < 120)
                top = std::min(top, y), bottom = std::max(bottom, y);
        }
    }
    EXPECT_GT(bottom - top, 20) << "letters of 28 points";
}

}  // namespace
}  // namespace helion::test
