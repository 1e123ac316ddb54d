#include "ui/title_window.h"

#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace helion::test {
namespace {

TEST(TitleWindow, WaitsUntilOkIsPressed) {
    ui::TitleWindow splash;
    EXPECT_EQ(splash.objectName(), "TITLE");
    QTimer::singleShot(0, &splash, [&splash] {
        QTest::mouseClick(splash.findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
    });
    splash.waitForOk();
    EXPECT_TRUE(splash.splashDone());
    EXPECT_FALSE(splash.isVisible());
}

}  // namespace
}  // namespace helion::test
