#include <gtest/gtest.h>

#include "core/app/window_placement.h"

namespace helion {
namespace {

constexpr FrameMargins kFrame{2, 24, 2, 3};  // a title bar and thin borders
constexpr ScreenRect kScreen{0, 0, 1280, 1024};

bool overlap(const ScreenRect& a, const ScreenRect& b) {
    return a.left < b.right() && b.left < a.right() && a.top < b.bottom() && b.top < a.bottom();
}

bool onScreen(const ScreenRect& r, const ScreenRect& screen) {
    return r.left >= screen.left && r.top >= screen.top && r.right() <= screen.right() && r.bottom() <= screen.bottom();
}

TEST(KeepOnScreen, MovesBackThenShrinksOnlyWhatIsLargerThanTheScreen) {
    const struct {
        WindowPlace place;
        ScreenRect screen;
        WindowPlace kept;
    } rows[] = {
        {{100, 100, 640, 480}, kScreen, {100, 100, 640, 480}},              // fits: unchanged
        {{100, 700, 640, 480}, kScreen, {100, 517, 640, 480}},              // past the bottom: moved up
        {{-50, -9, 640, 480}, kScreen, {0, 0, 640, 480}},                   // off the top-left corner
        {{0, 0, 2000, 1100}, kScreen, {0, 0, 1276, 997}},                   // larger than the screen
        {{0, 0, 640, 480}, {0, 32, 1280, 992}, {0, 32, 640, 480}},          // below a panel at the top
        {{1200, 0, 640, 480}, {1280, 0, 1920, 1080}, {1280, 0, 640, 480}},  // on a second screen
    };
    for (const auto& row : rows) {
        const WindowPlace kept = keepOnScreen(row.place, kFrame, row.screen);
        EXPECT_EQ(kept, row.kept) << row.place.left << "," << row.place.top;
        EXPECT_TRUE(onScreen(frameRect(kept, kFrame), row.screen));
    }
}

TEST(PlaceWindows, InputWindowsUnderTheMainWindowSideBySideOrStackedNeverCovering) {
    // The main window's frame, then two input windows of 520 x 330 inside.
    const struct {
        ScreenRect screen;
        bool sideBySide;
    } rows[] = {{kScreen, true}, {{0, 0, 1920, 1080}, true}, {{0, 0, 1024, 1400}, false}};
    for (const auto& row : rows) {
        const ScreenRect main = frameRect({0, 0, 724, 45}, kFrame);
        const ScreenRect natal = frameRect(placeBelow(main, 520, 330, kFrame, row.screen), kFrame);
        const ScreenRect diurnal = frameRect(placeBeside(natal, 520, 330, kFrame, row.screen), kFrame);
        EXPECT_EQ(natal.top, main.bottom());
        EXPECT_EQ(diurnal.top == natal.top, row.sideBySide) << row.screen.width;
        EXPECT_FALSE(overlap(main, natal) || overlap(main, diurnal) || overlap(natal, diurnal));
        EXPECT_TRUE(onScreen(natal, row.screen) && onScreen(diurnal, row.screen));
    }
}

TEST(PlaceWindows, TheReportWindowIsAsWideAsTheWidestReportWhereThereIsRoom) {
    const ScreenRect main = frameRect({0, 0, 724, 45}, kFrame);
    const struct {
        ScreenRect above;
        ScreenRect screen;
        WindowPlace place;
    } rows[] = {
        {main, kScreen, {0, 72, 760, 925}},               // down to the bottom of the screen
        {main, {0, 0, 640, 480}, {0, 72, 636, 381}},      // narrow screen: as wide as it allows
        {{0, 0, 600, 900}, kScreen, {0, 485, 760, 512}},  // little room below: half the screen, moved up
    };
    for (const auto& row : rows) {
        const WindowPlace place = placeReportWindow(row.above, 760, kFrame, row.screen);
        EXPECT_EQ(place, row.place) << row.screen.width << " " << row.above.bottom();
        EXPECT_TRUE(onScreen(frameRect(place, kFrame), row.screen));
    }
}

TEST(PlaceWindows, TheWheelWindowLeavesTheMainWindowFreeWhereTheScreenAllows) {
    const ScreenRect wide{0, 0, 1920, 1080};
    const ScreenRect menuBar = frameRect({0, 0, 724, 45}, kFrame);
    const ScreenRect tall = frameRect({0, 0, 600, 700}, kFrame);
    const struct {
        ScreenRect main;
        ScreenRect screen;
        WindowPlace place;
    } rows[] = {
        {menuBar, kScreen, {0, 72, 936, 767}},                      // under the main window, whole
        {tall, wide, {604, 0, 936, 767}},                           // no room under it: beside it
        {tall, kScreen, {0, 614, 936, 383}},                        // room for neither: half height, moved up
        {{300, 0, 404, 72}, {0, 0, 800, 600}, {81, 72, 715, 501}},  // the height left, moved back left
    };
    for (const auto& row : rows) {
        const WindowPlace wanted = row.screen.width == 800 ? WindowPlace{0, 0, 715, 596} : WindowPlace{0, 0, 936, 767};
        const WindowPlace place = placeWheelWindow(row.main, wanted.width, wanted.height, kFrame, row.screen);
        EXPECT_EQ(place, row.place) << row.main.height << " on " << row.screen.width;
        EXPECT_TRUE(onScreen(frameRect(place, kFrame), row.screen));
    }
}

}  // namespace
}  // namespace helion
