#include "atlas/atlas_window.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTreeWidget>

#include "../core/base/temp_folder.h"
#include "../ui/recording_message_boxes.h"
#include "tz/qt_zone_history.h"

namespace helion::atlas {
namespace {

const PlaceList kPlaces = parsePlaceList(
                              "#zones\t3\nAmerica/New_York\nEurope/London\nAmerica/Sao_Paulo\n"
                              "#countries\t4\nBR\tBrazil\nGB\tUnited Kingdom\nUS\tUnited States\nZA\tSouth Africa\n"
                              "#places\t4\n"
                              "São Paulo\t27\tBR\t-23.5475\t-46.6361\t10021295\t2\t\n"
                              "New York City\tNY\tUS\t40.7143\t-74.0060\t8175133\t0\tNew Amsterdam\n"
                              "London\tENG\tGB\t51.5085\t-0.1257\t7556900\t1\t\n"
                              "East London\t05\tZA\t-33.0153\t27.9116\t267007\t1\t\n")
                              .list;

class AtlasWindowTest : public ::testing::Test {
protected:
    AtlasWindowTest() : window(kPlaces, history, boxes, folder.path(), {"07 Mar 1952", "10.30", true}) {
        window.show();
    }

    template <typename W = QLineEdit>
    W* control(const char* name) {
        W* found = window.findChild<W*>(name);
        EXPECT_TRUE(found) << name;
        return found;
    }
    QStringList listedPlaces() {
        QStringList places;
        auto* list = control<QTreeWidget>("lstPlaces");
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            places.append(list->topLevelItem(i)->text(0) + "/" + list->topLevelItem(i)->text(2));
        return places;
    }
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

TEST_F(AtlasWindowTest, FiltersAsTheUserTypesIgnoringDiacritics) {
    EXPECT_EQ(listedPlaces().size(), 4);  // the most populous before anything is typed
    type("txtSearch", "sao p");
    EXPECT_EQ(listedPlaces(), QStringList{"São Paulo/Brazil"});
    type("txtSearch", "london");
    EXPECT_EQ(listedPlaces(), (QStringList{"London/United Kingdom", "East London/South Africa"}));
    type("txtSearch", "nowhere");
    EXPECT_TRUE(listedPlaces().isEmpty());
    type("txtSearch", "new am");  // the other name that matched is shown
    EXPECT_EQ(listedPlaces(), QStringList{"New York City (New Amsterdam)/United States"});
}

TEST_F(AtlasWindowTest, UpAndDownInTheSearchBoxMoveTheChoiceAndTheListKeepsItsHeight) {
    auto* list = control<QTreeWidget>("lstPlaces");
    const auto chosenRow = [list] { return list->indexOfTopLevelItem(list->currentItem()); };
    QCoreApplication::processEvents();
    const int height = list->height();
    for (const auto key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Up}) QTest::keyClick(control("txtSearch"), key);
    EXPECT_EQ(chosenRow(), 1);
    EXPECT_EQ(control<QLabel>("lblCoordinates")->text(), "40°43' N  74°00' W  America/New_York");
    type("txtDate", "10 Mar 2024");
    type("txtTime", "2.30");  // one warning instead of another
    QCoreApplication::processEvents();
    EXPECT_EQ(list->height(), height);
}

// Which offset and why is the zone history's; here the labels follow the place, date and time.
TEST_F(AtlasWindowTest, ShowsTheOffsetOfTheChosenPlaceAndWhy) {
    type("txtSearch", "new york");
    EXPECT_EQ(control<QLabel>("lblOffset")->text(), "5 (west of Greenwich): EST, standard time");
    EXPECT_TRUE(control<QLabel>("lblWarnings")->text().startsWith("Before 1970"));
    type("txtDate", "10 Mar 2024");
    type("txtTime", "2.30");
    EXPECT_TRUE(control<QLabel>("lblWarnings")->text().startsWith("This clock time does not exist here"));
    type("txtSearch", "london");
    type("txtDate", "01 Jul 1944");
    EXPECT_EQ(control<QLabel>("lblOffset")->text(), "-2 (east of Greenwich): BDST, double summer time");
    type("txtDate", "31 Feb 2024");
    EXPECT_TRUE(control<QLabel>("lblOffset")->text().startsWith("The date '31 Feb 2024' does not exist"));
}

TEST_F(AtlasWindowTest, OkWritesTheResultFilesAndClosesTheWindow) {
    type("txtSearch", "new york");
    type("txtDate", "07 Jul 1850");
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

TEST_F(AtlasWindowTest, AboutNamesTheSourceOfThePlaces) {
    click("cmdAbout");
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_NE(boxes.shown[0].text.find("GeoNames"), std::string::npos);
    EXPECT_NE(boxes.shown[0].text.find("CC BY 4.0"), std::string::npos);
}

}  // namespace
}  // namespace helion::atlas
