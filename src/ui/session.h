#pragma once
// One run of the desktop program: the application state, the ephemeris, the message
// boxes and the windows that commands reach across. The main window creates it at
// start-up and every window receives it.

#include <chrono>
#include <functional>
#include <memory>

#include "core/app/app_state.h"
#include "core/astro/ephemeris.h"
#include "ui/message_boxes.h"

namespace helion::ui {

class NatalInputWindow;
class DiurnalInputWindow;
class DataWindow;

struct Session {
    AppState state;
    std::unique_ptr<Ephemeris> ephemeris;
    MessageBoxes* messages = nullptr;
    // Universal Time now; the input windows' Now fills read it. Replaced by tests.
    std::function<std::chrono::sys_seconds()> universalClock = [] {
        return std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now());
    };

    NatalInputWindow* natalInput = nullptr;
    DiurnalInputWindow* diurnalInput = nullptr;
    DataWindow* dataWindow = nullptr;

    // Set by the main window: called after every successful chart computation (the Data,
    // Wheels and Input menus become visible).
    std::function<void()> onChartsComputed;
};

}  // namespace helion::ui
