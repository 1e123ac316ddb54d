#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <fstream>
#include <functional>

#include "core/input/atlas_hand_over.h"
#include "ui/cities_window.h"
#include "ui/names_window.h"
#include "ui/time_zone_window.h"
#include "window_fixture.h"

namespace helion::test {
namespace {

// The atlas's first answer: the folder it wrote its result into.
const std::string kPointHere = "printf '%s/\\r\\n' \"$(pwd)\" > PCATPATH.TXT\n";

class LookUpTest : public WindowTest {
protected:
    void clickLabel(QWidget& window, const char* name) {
        QTest::mouseClick(control<QLabel>(window, name), Qt::LeftButton);
    }
    // An atlas program in `atlasFolder` that runs the shell commands given.
    void writeAtlas(const std::filesystem::path& atlasFolder, const std::string& commands) {
        std::filesystem::create_directories(atlasFolder);
        const auto program = atlasFolder / "helion-atlas";
        std::ofstream(program) << "#!/bin/sh\necho \"$@\" > ARGUMENTS\n" << commands << "\n";
        std::filesystem::permissions(program, std::filesystem::perms::owner_all);
    }
    QString text(QWidget& window, const char* box) { return control(window, box)->text(); }
};

TEST_F(LookUpTest, TimeZoneHelpWritesTheOffsetIntoTheWindowThatOpenedIt) {
    folder.write("TZ.DAT", "Central European,CET,-1\r\nGreenwich,GMT,0\r\nCentral European,XX,-2\r\nEastern,EST,5\r\n");
    const struct {
        bool inDiurnal;
        int row;
        const char *zone, *east;
    } rows[] = {{false, 0, "-1", "optEast"},
                {false, 1, "0", "optWest"},
                {true, 2, "-1", "optDiurnalEast"},  // the first record of that name
                {true, 3, "5", "optDiurnalWest"}};
    for (const auto& row : rows) {
        QWidget& window = row.inDiurnal ? static_cast<QWidget&>(*diurnal) : *natal;
        clickLabel(window, "Label1");
        ASSERT_TRUE(session.windows.find<ui::TimeZoneWindow>());
        QListWidget* zones = control<QListWidget>(*session.windows.find<ui::TimeZoneWindow>(), "lstTimeZones");
        ASSERT_EQ(zones->count(), 4);
        EXPECT_EQ(zones->item(3)->text(), "Eastern                          - EST  =   5");
        session.windows.find<ui::TimeZoneWindow>()->pick(row.row);
        EXPECT_EQ(text(window, row.inDiurnal ? "txtDiurnalTZ" : "txtTZ"), row.zone);
        EXPECT_TRUE(control<QRadioButton>(window, row.east)->isChecked());
    }
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(LookUpTest, TheListWindowsBesideTheDiurnalWindowStayOnTheScreen) {
    folder.write("TZ.DAT", "Eastern,EST,5\r\n");
    diurnal->show();
    const QRect screen = diurnal->screen()->availableGeometry();
    diurnal->move(screen.right() - diurnal->frameGeometry().width(), screen.top());
    const std::function<QWidget&()> opens[] = {
        [this]() -> QWidget& { return ui::NamesWindow::open(session); },
        [this]() -> QWidget& { return ui::CitiesWindow::open(session); },
        [this]() -> QWidget& { return ui::TimeZoneWindow::open(session, false); },
    };
    for (const auto& open : opens) {
        const QWidget& window = open();
        EXPECT_TRUE(screen.contains(window.frameGeometry())) << window.objectName().toStdString();
    }
}

TEST_F(LookUpTest, ACorruptTableKeepsTheZonesBeforeTheFault) {
    const struct {
        const char* content;  // nullptr: no TZ.DAT; "/": a folder in its place
        int listed;
    } rows[] = {{"Eastern,EST,5\r\nToo long a code,ABCDE,1\r\n", 1}, {"", 0}, {nullptr, 0}, {"/", 0}};
    for (const auto& row : rows) {
        std::filesystem::remove(folder.path() / "TZ.DAT");
        if (row.content && std::string(row.content) == "/")
            std::filesystem::create_directory(folder.path() / "TZ.DAT");
        else if (row.content)
            folder.write("TZ.DAT", row.content);
        boxes.shown.clear();
        clickLabel(*natal, "Label1");
        EXPECT_EQ(control<QListWidget>(*session.windows.find<ui::TimeZoneWindow>(), "lstTimeZones")->count(),
                  row.listed);
        EXPECT_EQ(shownTexts(), std::vector<std::string>{"The file TZ.DAT is corrupt."});
    }
    natal->pressOk();
    EXPECT_FALSE(session.windows.find<ui::TimeZoneWindow>()->isVisible());
}

TEST_F(LookUpTest, TheAtlasAnswerFillsThePlaceWhenAccepted) {
    const auto atlas = folder.path() / "atlas";
    writeAtlas(atlas, kPointHere + "printf '4.9333\\r\\n42N21\\r\\n71W04\\r\\nBoston\\r\\nLMT\\r\\n' > TSRTEMP.TXT");
    session.state.settings.atlasDir = atlas.string() + "/";
    control(*natal, "txtMonth")->setText("3");
    control(*natal, "txtDay")->setText("7");
    control(*natal, "txtYear")->setText("1852");
    control(*natal, "txtBirthHour")->setText("9");
    control(*natal, "txtBirthMinute")->setText("5");
    control<QRadioButton>(*natal, "optPM")->setChecked(true);
    control(*natal, "txtLongDeg")->setText("1");
    for (const bool yes : {false, true}) {
        boxes.answerYes = yes;
        boxes.shown.clear();
        clickLabel(*natal, "Label2");
        ASSERT_EQ(boxes.shown.size(), 1u);
        EXPECT_EQ(boxes.shown[0].caption, "Accept or Reject data");
        EXPECT_EQ(text(*natal, "txtLongDeg"), yes ? "71" : "1");
    }
    EXPECT_TRUE(natal->isEnabled());
    EXPECT_EQ(readTextFile(atlas / "ARGUMENTS").value_or(""), "--date 07 Mar 1852 --time 9.05 --ampm P\n");
}

TEST_F(LookUpTest, AMissingOrUnreadableAnswerFillsNothing) {
    const auto atlas = folder.path() / "atlas";
    const struct {
        std::string commands;
        const char* message;
    } rows[] = {
        {"rm -f PCATPATH.TXT TSRTEMP.TXT", "Cannot find the file called PCATPATH in the "},
        {kPointHere + "rm -f TSRTEMP.TXT", "Cannot find the file called TSRTEMP.TXT in the "},
        {kPointHere + "printf 'five\\r\\n42N21\\r\\n71W04\\r\\n' > TSRTEMP.TXT", "The file TSRTEMP.TXT in the "},
    };
    session.state.settings.atlasDir = atlas.string() + "/";
    boxes.answerYes = true;
    const InputWindowTexts before = diurnal->texts();
    for (const auto& row : rows) {
        writeAtlas(atlas, row.commands);
        boxes.shown.clear();
        clickLabel(*diurnal, "Label2");
        ASSERT_EQ(boxes.shown.size(), 1u) << row.commands;
        EXPECT_EQ(boxes.shown[0].caption, "Warning!");
        EXPECT_TRUE(boxes.shown[0].text.starts_with(row.message)) << boxes.shown[0].text;
        EXPECT_EQ(diurnal->texts().longitudeDegrees, before.longitudeDegrees);
        EXPECT_EQ(diurnal->texts().zone, before.zone);
    }
}

TEST_F(LookUpTest, AnAtlasThatCannotBeStartedAsksForItsFolder) {
    const auto atlas = folder.path() / "found";
    writeAtlas(atlas, kPointHere + "printf -- '-10\\r\\n33S52\\r\\n151E12\\r\\n' > TSRTEMP.TXT");
    std::vector<std::optional<std::string>> answers = {atlas.string()};  // without its final "/"
    session.askText = [&](const Message& prompt) {
        EXPECT_EQ(prompt.caption, "Where do I find helion-atlas?");
        auto answer = answers.front();
        answers.erase(answers.begin());
        return answer;
    };
    session.state.settings.atlasDir = (folder.path() / "nowhere").string() + "/";
    boxes.answerYes = true;
    clickLabel(*natal, "Label2");
    EXPECT_EQ(session.state.settings.atlasDir, atlas.string() + "/");
    EXPECT_EQ(text(*natal, "txtLongDeg"), "151");
    EXPECT_TRUE(control<QRadioButton>(*natal, "optSouth")->isChecked());

    const InputWindowTexts before = natal->texts();
    session.state.settings.atlasDir = (folder.path() / "nowhere").string() + "/";
    answers = {std::nullopt};  // the prompt cancelled
    boxes.shown.clear();
    clickLabel(*natal, "Label2");
    EXPECT_TRUE(session.state.settings.atlasDir.empty());
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(natal->texts().zone, before.zone);
}

TEST(MessageBoxes, TheAtlasQuestionIsWideEnoughForItsWholeCaption) {
    ui::QtMessageBoxes boxes;
    int width = 0;
    QTimer::singleShot(0, [&width] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_TRUE(box);
        width = box->width();
        box->button(QMessageBox::No)->click();
    });
    EXPECT_FALSE(boxes.askYesNo({kAtlasQuestionCaption, "Latitude = 41N52"}));
    QFont bold = QApplication::font();
    bold.setBold(true);
    // The title bar holds the caption beside its icon and three buttons.
    EXPECT_GE(width, QFontMetrics(bold).horizontalAdvance(kAtlasQuestionCaption) + 100);
}

}  // namespace
}  // namespace helion::test
