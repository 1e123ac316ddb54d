#include <fstream>

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
    } rows[] = {{false, 3, "5", "optWest"}, {true, 2, "-1", "optDiurnalEast"}};  // the first record of that name
    for (const auto& row : rows) {
        QWidget& window = row.inDiurnal ? static_cast<QWidget&>(*diurnal) : *natal;
        clickLabel(window, "Label1");
        ui::TimeZoneWindow* zones = session.windows.find<ui::TimeZoneWindow>();
        ASSERT_TRUE(zones);
        EXPECT_TRUE(laidOut(zones->layout(), control<QListWidget>(*zones, "lstTimeZones")));
        zones->pick(row.row);
        EXPECT_EQ(text(window, row.inDiurnal ? "txtDiurnalTZ" : "txtTZ"), row.zone);
        EXPECT_TRUE(control<QRadioButton>(window, row.east)->isChecked());
    }
    EXPECT_TRUE(boxes.shown.empty());
}

// Which faults make the table corrupt is the core's; here the window lists what came before.
TEST_F(LookUpTest, ACorruptTableKeepsTheZonesBeforeTheFault) {
    folder.write("TZ.DAT", "Eastern,EST,5\r\nToo long a code,ABCDE,1\r\n");
    clickLabel(*natal, "Label1");
    EXPECT_EQ(control<QListWidget>(*session.windows.find<ui::TimeZoneWindow>(), "lstTimeZones")->count(), 1);
    EXPECT_EQ(shownTexts(), std::vector<std::string>{"The file TZ.DAT is corrupt."});
    natal->pressOk();
    EXPECT_FALSE(session.windows.find<ui::TimeZoneWindow>()->isVisible());
}

TEST_F(LookUpTest, TheAtlasAnswerFillsThePlaceWhenAccepted) {
    const auto atlas = folder.path() / "atlas";
    writeAtlas(atlas, kPointHere + "printf '4.9333\\r\\n42N21\\r\\n71W04\\r\\nBoston\\r\\nLMT\\r\\n' > TSRTEMP.TXT");
    session.state.settings.atlasDir = atlas.string() + "/";
    natal->setTexts({"", "3", "7", "1852", "9", "5", "5", "1", "0", "40", "43", false});
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

// Which answers the core can read is its own table; here a missing one is said and fills nothing.
TEST_F(LookUpTest, AMissingAnswerIsSaidAndFillsNothing) {
    const auto atlas = folder.path() / "atlas";
    writeAtlas(atlas, "rm -f PCATPATH.TXT TSRTEMP.TXT");
    session.state.settings.atlasDir = atlas.string() + "/";
    boxes.answerYes = true;
    const std::string before = diurnal->texts().longitudeDegrees;
    clickLabel(*diurnal, "Label2");
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].caption, "Warning!");
    EXPECT_EQ(diurnal->texts().longitudeDegrees, before);
}

TEST_F(LookUpTest, AnAtlasThatCannotBeStartedAsksForItsFolder) {
    const auto atlas = folder.path() / "found";
    writeAtlas(atlas, kPointHere + "printf -- '-10\\r\\n33S52\\r\\n151E12\\r\\n' > TSRTEMP.TXT");
    std::optional<std::string> answer = atlas.string();  // without its final "/"
    session.askText = [&answer](const Message&) { return answer; };
    session.state.settings.atlasDir = (folder.path() / "nowhere").string() + "/";
    boxes.answerYes = true;
    clickLabel(*natal, "Label2");
    EXPECT_EQ(session.state.settings.atlasDir, atlas.string() + "/");
    EXPECT_EQ(text(*natal, "txtLongDeg"), "151");

    session.state.settings.atlasDir = (folder.path() / "nowhere").string() + "/";
    answer = std::nullopt;  // the prompt cancelled
    boxes.shown.clear();
    clickLabel(*natal, "Label2");
    EXPECT_TRUE(session.state.settings.atlasDir.empty());
    EXPECT_TRUE(boxes.shown.empty());
}

}  // namespace
}  // namespace helion::test
