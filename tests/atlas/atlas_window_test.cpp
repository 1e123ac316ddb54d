#include "atlas/atlas_window.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "../core/base/temp_folder.h"
#include "../ui/recording_message_boxes.h"
#include "tz/qt_zone_history.h"

namespace helion::atlas {
namespace {

const PlaceList kPlaces = parsePlaceList(
                              "#zones\t3\nAmerica/New_York\nEurope/London\nAmerica/Sao_Paulo\n"
                              "#countries\t3\nBR\tBrazil\nGB\tUnited Kingdom\nUS\tUnited States\n"
                              "#places\t3\n"
                              "São Paulo\t27\tBR\t-23.5475\t-46.6361\t10021295\t2\t\n"
                              "New York City\tNY\tUS\t40.7143\t-74.0060\t8175133\t0\tNew Amsterdam\n"
                              "London\tENG\tGB\t51.5085\t-0.1257\t7556900\t1\t\n")
                              .list;

class AtlasWindowTest : public ::testing::Test {
protected:
    AtlasWindowTest() : window(kPlaces, history, boxes, folder.path(), {"07 Mar 1952", "10.30", true}) {
        window.show();
    }

    template <typename W = QLineEdit>
    W* control(const char* name) {
        return window.findChild<W*>(name);
    }
    QString label(const char* name) { return control<QLabel>(name)->text(); }
    void type(const char* name, const QString& text) {
        control(name)->clear();
        QTest::keyClicks(control(name), text);
    }
    void click(const char* name) { QTest::mouseClick(control<QPushButton>(name), Qt::LeftButton); }

    test::TempFolder folder;
    QtZoneHistory history;
    test::RecordingMessageBoxes boxes;
    AtlasWindow window;
};

// Which places match and which offset applies are the search's and the zone history's; here
// the labels follow the place the arrow keys choose and the date, and OK writes the result.
TEST_F(AtlasWindowTest, LabelsFollowTheChoiceAndOkWritesTheResultFiles) {
    for (const auto key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Up}) QTest::keyClick(control("txtSearch"), key);
    EXPECT_EQ(label("lblCoordinates"), "40°43' N  74°00' W  America/New_York");
    EXPECT_EQ(label("lblOffset"), "5 (west of Greenwich): EST, standard time");
    type("txtDate", "07 Jul 1850");
    EXPECT_TRUE(label("lblWarnings").startsWith("Before 1970"));
    click("cmdOK");
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(window.result(), QDialog::Accepted);
    EXPECT_EQ(folder.read("TSRTEMP.TXT"),
              "4.9333\r\n40N43\r\n74W00\r\nNew York City, NY, United States\r\nAmerica/New_York: local mean time\r\n");
    EXPECT_EQ(folder.read("PCATPATH.TXT"), folder.path().string() + "/\r\n");
}

TEST_F(AtlasWindowTest, OkRefusesWithoutAPlaceOrWithABadTimeAndCancelWritesNothing) {
    type("txtSearch", "nowhere");
    click("cmdOK");
    type("txtSearch", "london");
    type("txtTime", "13.00");
    click("cmdOK");
    ASSERT_EQ(boxes.shown.size(), 2u);
    EXPECT_EQ(boxes.shown[0], warningMessage("Choose a place first."));
    EXPECT_EQ(boxes.shown[1].text, "The time '13.00' is not a clock time H.MM from 1.00 to 12.59.");
    EXPECT_TRUE(window.isVisible());
    type("txtTime", "10.30");
    click("cmdCancel");
    EXPECT_EQ(window.result(), QDialog::Rejected);
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(std::filesystem::is_empty(folder.path()));
}

}  // namespace
}  // namespace helion::atlas
