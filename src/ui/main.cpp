// helion: the desktop program.
#include <QApplication>

#include "core/config/program_folder.h"
#include "ui/main_window.h"
#include "ui/splash_window.h"
#include "ui/startup.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Helion");
    QApplication::setDesktopFileName("helion");
    // The main window ends the run through Exit; the other windows may close freely.
    QApplication::setQuitOnLastWindowClosed(false);

    helion::ui::QtMessageBoxes messages;
    const auto program = helion::ui::startHelion(helion::programFolderOfThisProcess(), messages,
                                                 [](helion::ui::SplashWindow& splash) { splash.waitForOk(); });
    return QApplication::exec();
}
