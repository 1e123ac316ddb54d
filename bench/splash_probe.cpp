// Helion's own start-up, exactly as the desktop program runs it, up to its splash window
// on screen.
#include <QApplication>

#include "core/config/program_folder.h"
#include "message_boxes/message_boxes.h"
#include "ui/splash_window.h"
#include "ui/startup.h"
#include "window_shown.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Helion");
    QApplication::setDesktopFileName("helion");
    helion::ui::QtMessageBoxes messages;
    helion::ui::startHelion(helion::programFolderOfThisProcess(), messages,
                            [](helion::ui::SplashWindow& splash) { helion::bench::exitOnceShown(splash); });
    return 1;  // not reached: the splash ends the run
}
