// helion: the desktop program.
#include <QApplication>

#include <iostream>
#include <string_view>

#include "core/config/program_folder.h"
#include "swe/program_version.h"
#include "ui/main_window.h"
#include "ui/splash_window.h"
#include "ui/startup.h"

namespace {

constexpr std::string_view kUsage =
    "Usage: helion [--version | --help]\n"
    "Opens Helion's windows: chart input, reports, chart wheels and the atlas.\n"
    "  --version  print the version and the Swiss Ephemeris release, then end\n"
    "  --help     print this text, then end\n"
    "Qt's own options (for example -platform offscreen) are passed on to Qt.\n"
    "Charts, reports and wheels without a window: helion-cli --help\n";

}  // namespace

int main(int argc, char** argv) {
    // Answered before Qt starts, so that they need no display.
    const std::string_view only = argc == 2 ? argv[1] : "";
    if (only == "--version") {
        std::cout << helion::versionText() << '\n';
        return 0;
    }
    if (only == "--help" || only == "-h") {
        std::cout << kUsage;
        return 0;
    }
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
