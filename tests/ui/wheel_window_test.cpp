// The wheel window on the offscreen platform: its commands, menus, pointer and printing.
#include <QApplication>
#include <QFontDatabase>
#include <QMouseEvent>
#include <QPdfWriter>
#include <QPrinter>

#include <functional>

#include "pdf_pages.h"
#include "started_program.h"
#include "ui/aspect_list_window.h"
#include "ui/wheel_printing.h"
#include "ui/wheel_window.h"

namespace helion::test {
namespace {

class WheelWindowTest : public StartedProgramTest {
protected:
    void SetUp() override {
        program = start();
        program->natalInput->pressOk();
        ASSERT_TRUE(program->session.state.chartsComputed);
        boxes.shown.clear();
    }
    ui::WheelWindow& wheel(const char* itemName) {
        item(*program, itemName)->trigger();
        ui::WheelWindow* window = program->mainWindow->wheelWindow();
        EXPECT_NE(window, nullptr);
        window->resize(800, 600);
        window->grab();  // paints the wheel
        return *window;
    }
    QAction* wheelItem(ui::WheelWindow& window, const char* name) { return window.findChild<QAction*>(name); }
    std::unique_ptr<ui::Program> program;
};

TEST_F(WheelWindowTest, EachCommandDrawsItsWheel) {
    const struct {
        const char* item;
        WheelKind kind;
        bool typeVisible;
        bool aspectsEnabled;
    } rows[] = {
        {"mnuWheelsSingleNatal", WheelKind::Single, true, true},
        {"mnuWheelsDualNatProg", WheelKind::Dual, false, true},
        {"mnuWheelsDualNatSA", WheelKind::Dual, false, true},
        {"mnuWheelsDualNatTran", WheelKind::Dual, false, true},
        {"mnuWheelsTripleMinorProgNat", WheelKind::Triple, false, false},
        {"mnuWheelsTripleTranProgNat", WheelKind::Triple, false, false},
        {"mnuWheelsTripleTranSANatal", WheelKind::Triple, false, false},
    };
    for (const auto& row : rows) {
        ui::WheelWindow& window = wheel(row.item);
        ASSERT_TRUE(window.lastDrawing().has_value()) << row.item;
        EXPECT_EQ(window.lastDrawing()->kind, row.kind) << row.item;
        EXPECT_EQ(wheelItem(window, "mnuChartType")->isVisible(), row.typeVisible) << row.item;
        EXPECT_EQ(wheelItem(window, "mnuAspects")->isEnabled(), row.aspectsEnabled) << row.item;
        EXPECT_TRUE(window.centralWidget()->testAttribute(Qt::WA_OpaquePaintEvent));  // no flicker on a repaint
    }
    EXPECT_TRUE(boxes.shown.empty());
    // The triple wheels keep the orb file of the dual wheel before them.
    EXPECT_EQ(program->session.state.currentOrbFile.filename(), "NAT2TRAN.ORB");
}

// Escape in a side window brings the main window forward and leaves the side window open; in
// the wheel window also after Escape closed one of its menus.
TEST_F(WheelWindowTest, EscapeInASideWindowReturnsToTheMainWindow) {
    ui::WheelWindow& wheelWindow = wheel("mnuWheelsSingleNatal");
    wheelItem(wheelWindow, "mnuAspects")->trigger();
    QWidget* aspects = wheelWindow.findChild<QWidget*>("CWAspect");
    ASSERT_TRUE(aspects);
    for (QWidget* window :
         {static_cast<QWidget*>(program->dataWindow.get()), aspects, static_cast<QWidget*>(&wheelWindow)}) {
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        if (window == &wheelWindow) {
            QTest::keyClick(window->windowHandle(), Qt::Key_O, Qt::AltModifier);  // the Orbs menu
            ASSERT_TRUE(QApplication::activePopupWidget());
            QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
            QTest::keyClick(window->windowHandle(), Qt::Key_Escape);  // leaves the menu bar
            QTest::keyClick(window->windowHandle(), Qt::Key_Escape);
        } else {
            QTest::keyClick(window->findChild<QPlainTextEdit*>(), Qt::Key_Escape);
        }
        EXPECT_TRUE(QTest::qWaitForWindowActive(program->mainWindow.get())) << window->objectName().toStdString();
        EXPECT_TRUE(window->isVisible());
    }
}

// Each choice is stored in the settings and drawn; a second choice undoes the first.
TEST_F(WheelWindowTest, ChartTypeAndSpreadGlyphsAreStoredAndDrawn) {
    const Settings& settings = program->session.state.settings;
    const struct {
        const char *wheelItem, *on, *off;
        const std::int16_t& setting;
        std::function<bool(const WheelDrawing&)> drawnOn;
    } rows[] = {
        {"mnuWheelsSingleNatal", "mnuCTEuropean", "mnuCTAmerican", settings.typeChart,
         [](const WheelDrawing& d) { return d.chartType == ChartType::European; }},
        {"mnuWheelsTripleTranProgNat", "mnuSpreadGlyphs", "mnuSpreadGlyphs", settings.spreadGlyphs,
         [](const WheelDrawing& d) { return d.layout == WheelLayout::Spread; }},
    };
    for (const auto& row : rows) {
        ui::WheelWindow& window = wheel(row.wheelItem);
        for (const bool on : {true, false}) {
            wheelItem(window, on ? row.on : row.off)->trigger();
            EXPECT_EQ(row.setting, on ? 1 : 0) << row.on;
            EXPECT_EQ(wheelItem(window, row.on)->isChecked(), on) << row.on;
            window.grab();
            EXPECT_EQ(row.drawnOn(*window.lastDrawing()), on) << row.on;
        }
    }
}

// The surface pixel over the middle of a body's glyph.
QPointF pixelOfGlyph(const ui::WheelWindow& window, Point point) {
    const WheelDrawing& d = *window.lastDrawing();
    const auto stack = std::ranges::find(d.stacks, point, &StackEntry::point);
    const WheelBox& glyph = stack->cells.front();
    const QSize size = window.surfaceSize();
    return {((glyph.left + glyph.right) / 2 - d.frame.left) * size.width() / (d.frame.right - d.frame.left),
            (d.frame.top - (glyph.top + glyph.bottom) / 2) * size.height() / (d.frame.top - d.frame.bottom)};
}

TEST_F(WheelWindowTest, PointingAtAStackDescribesItsBodyAndAClickSinglesOutItsAspectLines) {
    ui::WheelWindow& window = wheel("mnuWheelsSingleNatal");
    QWidget* surface = window.centralWidget();
    const QPointF sun = pixelOfGlyph(window, Point::Sun);
    QMouseEvent move(QEvent::MouseMove, sun, surface->mapToGlobal(sun), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(surface, &move);
    EXPECT_TRUE(surface->toolTip().startsWith("SUN ")) << surface->toolTip().toStdString();

    const auto colours = [&] {
        window.grab();
        std::vector<std::pair<bool, int>> lines;  // touches the Sun, colour
        const WheelDrawing& d = *window.lastDrawing();
        for (const AspectLineEntry& l : d.aspectLines) {
            lines.emplace_back(l.first == Point::Sun || l.second == Point::Sun,
                               std::get<LineShape>(d.primitives[l.primitive]).colour);
        }
        return lines;
    };
    const auto before = colours();
    ASSERT_FALSE(before.empty());
    window.clickAt(sun);
    const auto singled = colours();
    for (std::size_t k = 0; k < before.size(); ++k) {
        EXPECT_EQ(singled[k].second, singled[k].first ? before[k].second : 7) << k;
    }
    window.clickAt(QPointF(1, 1));
    EXPECT_EQ(colours(), before);
}

// The second person's box turns the transit commands to the second person and rests the
// progressions, and back when cleared; ticked after the computation, the wheel follows the box.
TEST_F(WheelWindowTest, SwitchTwiceReturnsToTheFirstArrangement) {
    auto* secondPerson = program->diurnalInput->findChild<QCheckBox*>("chk2ndPerson");
    secondPerson->click();
    EXPECT_EQ(item(*program, "mnuDataTransits")->text(), "2nd &Person");
    EXPECT_FALSE(item(*program, "mnuDataProgressions")->isEnabled());
    ui::WheelWindow& window = wheel("mnuWheelsDualNatTran");
    EXPECT_TRUE(wheelItem(window, "mnuSwitch")->isVisible());
    const WheelArrangement first = window.arrangement();
    wheelItem(window, "mnuSwitch")->trigger();
    EXPECT_NE(window.arrangement().houseChart, first.houseChart);  // the second person's houses
    wheelItem(window, "mnuSwitch")->trigger();
    EXPECT_EQ(window.arrangement().houseChart, first.houseChart);
    secondPerson->click();
    EXPECT_EQ(item(*program, "mnuDataTransits")->text(), "&Transits");
    EXPECT_TRUE(item(*program, "mnuDataProgressions")->isEnabled());
}

// The wait cursor shows while the wheel is arranged, and only then.
TEST_F(WheelWindowTest, AWheelCommandWaitsUnderTheWaitCursor) {
    ui::WheelWindow& window = wheel("mnuWheelsSingleNatal");
    std::optional<Qt::CursorShape> during;
    QObject::connect(wheelItem(window, "mnuAspects"), &QAction::changed, &window, [&during] {
        const QCursor* cursor = QApplication::overrideCursor();
        during = cursor ? cursor->shape() : Qt::ArrowCursor;
    });
    wheel("mnuWheelsTripleTranProgNat");
    EXPECT_EQ(during, Qt::WaitCursor);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

// Black, white and the greys of antialiased edges have equal red, green and blue, and so
// come through a conversion to grey unchanged.
bool hasColour(const QImage& image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    return rgb.convertToFormat(QImage::Format_Grayscale8).convertToFormat(QImage::Format_RGB32) != rgb;
}

TEST_F(WheelWindowTest, PrintingWritesOnePageOrNothingAndLeavesTheWindowAsItWas) {
    const struct {
        const char* name;
        ui::Answer answer;
        bool dialogAccepts;
        const char* folder;  // of the PDF file, inside an existing one
        int pages;
        bool failureShown;
    } rows[] = {
        {"full page", ui::Answer::Yes, true, "", 1, false},
        {"half page", ui::Answer::No, true, "", 1, false},
        {"cancel", ui::Answer::Cancel, true, "", 0, false},
        {"dialog cancelled", ui::Answer::Yes, false, "", 0, false},
        {"unwritable file", ui::Answer::No, true, "missing", 0, true},
    };
    ui::WheelWindow& window = wheel("mnuWheelsSingleNatal");
    window.resize(500, 400);  // smaller than the screen, so maximising changes it
    const QSize normal = window.size();
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        TempFolder pdfFolder;
        const auto pdf = pdfFolder.path() / row.folder / "wheel.pdf";
        window.choosePrinter = [&](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(QString::fromStdString(pdf.string()));
            return row.dialogAccepts;
        };
        program->session.wheelMode.innerOuterSwitch = true;
        boxes.shown.clear();
        boxes.answers = {row.answer};
        wheelItem(window, "mnuPrintChartwheel")->trigger();

        EXPECT_EQ(boxes.shown.size() > 1 && boxes.shown[1] == ui::wheelNotPrintedMessage(), row.failureShown);
        EXPECT_EQ(pdfPages(pdf), row.pages);
        EXPECT_EQ(program->session.wheelMode.innerOuterSwitch, row.name != std::string("full page"));
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
        EXPECT_EQ(window.size(), normal);
        EXPECT_TRUE(hasColour(window.surfaceImage()));
    }
}

TEST_F(WheelWindowTest, TheHalfPageIsTheMaximisedWindowInBlackOnWhite) {
    ui::WheelWindow& window = wheel("mnuWheelsDualNatTran");
    window.resize(500, 400);
    const QImage half = ui::blackOnWhiteWindowImage(window);
    EXPECT_GT(half.width(), 500);
    EXPECT_EQ(half.pixelColor(1, 1), QColor(Qt::white));
    EXPECT_FALSE(hasColour(half));
}

TEST_F(WheelWindowTest, AFullPageWithoutItsOrbFileSaysSoAndLeavesOutTheAspectGrid) {
    program->session.state.options.value[178] = 1;
    ASSERT_TRUE(program->session.state.options.printedAspectGrid());
    ui::WheelWindow& window = wheel("mnuWheelsSingleNatal");
    const auto page = [&] {
        QPdfWriter pdf(QString::fromStdString((folder.path() / "page.pdf").string()));
        return ui::paintFullPage(program->session, window, pdf);
    };
    const auto withGrid = page();
    std::filesystem::remove(folder.path() / "NATAL.ORB");
    boxes.shown.clear();
    const auto withoutGrid = page();
    ASSERT_TRUE(withGrid && withoutGrid);
    EXPECT_LT(withoutGrid->primitives.size(), withGrid->primitives.size());
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_NE(boxes.shown[0].text.find("NATAL.ORB"), std::string::npos);
}

TEST_F(WheelWindowTest, SavingTheEditedOrbFileLeavesTheOrbTableUntilTheNextAspectList) {
    ui::WheelWindow& window = wheel("mnuWheelsSingleNatal");
    wheelItem(window, "mnuAspects")->trigger();  // reads the shipped orbs
    EXPECT_GT(window.findChild<ui::AspectListWindow*>("CWAspect")->listText().split('\n').size(), 3);
    window.findChild<ui::AspectListWindow*>("CWAspect")->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    const OrbTable before = program->session.state.orbs;
    wheelItem(window, "mnuOrbsEdit")->trigger();
    auto* editor = window.findChild<QWidget*>("OrbsEdit");
    ASSERT_NE(editor, nullptr);
    editor->findChild<QPlainTextEdit*>("txtContent")->setPlainText("0\n0\n0\n0\n0\n0\n0\n0\n0\n0\n");
    QTest::mouseClick(editor->findChild<QWidget*>("btnSave"), Qt::LeftButton);
    EXPECT_EQ(folder.read("NATAL.ORB"), "0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n");
    EXPECT_EQ(window.findChild<ui::AspectListWindow*>("CWAspect"), nullptr);
    EXPECT_EQ(program->session.state.orbs.value, before.value);

    wheelItem(window, "mnuAspects")->trigger();
    auto* list = window.findChild<ui::AspectListWindow*>("CWAspect");
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->listText(), "\n\n");  // no orbs: only exact aspects, none here
}

using WheelWindowFontTest = StartedProgramTest;

TEST_F(WheelWindowFontTest, WithoutTheGlyphFontTheMessageIsShownOnceAndNoWheelIsDrawn) {
    std::filesystem::remove(folder.path() / "horary.ttf");
    QFontDatabase::removeAllApplicationFonts();  // registered by an earlier test of this process
    auto program = start();
    program->natalInput->pressOk();
    boxes.shown.clear();
    item(*program, "mnuWheelsSingleNatal")->trigger();
    ui::WheelWindow* window = program->mainWindow->wheelWindow();
    ASSERT_NE(window, nullptr);
    window->grab();
    window->grab();
    EXPECT_FALSE(window->lastDrawing().has_value());
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_NE(boxes.shown[0].text.find("HORARY font"), std::string::npos);
}

}  // namespace
}  // namespace helion::test
