#pragma once
// Start-up: the glyph font, the ephemeris, the options, the splash window, the wheel
// data tables, the settings, the regional formats and the house system, then the main
// window and both input windows. A missing or broken data file is reported and the
// program goes on with what it has.

#include <functional>
#include <memory>

#include "core/config/program_folder.h"
#include "core/config/wheel_data_tables.h"
#include "ui/session.h"

namespace helion::ui {

class NatalInputWindow;
class DiurnalInputWindow;
class MainWindow;
class DataWindow;
class SplashWindow;

// Everything one run owns. The windows go before the session they refer to.
struct Program {
    Session session;
    int glyphFontId = -1;
    WheelDataTables wheelTables;
    std::unique_ptr<DataWindow> dataWindow;
    std::unique_ptr<DiurnalInputWindow> diurnalInput;
    std::unique_ptr<NatalInputWindow> natalInput;
    std::unique_ptr<MainWindow> mainWindow;

    Program();
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;
};

// Waits until the splash window is dismissed (tests press its OK at once).
using SplashWait = std::function<void(SplashWindow&)>;

std::unique_ptr<Program> startHelion(const ProgramFolder& folder, MessageBoxes& messages,
                                     const SplashWait& waitForSplash);

}  // namespace helion::ui
