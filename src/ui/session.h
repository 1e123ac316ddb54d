#pragma once
// One run of the desktop program: the application state, the ephemeris, the message
// boxes and the windows that commands reach across. The main window creates it at
// start-up and every window receives it.

#include <functional>
#include <memory>

#include "core/app/app_state.h"
#include "core/astro/ephemeris.h"
#include "core/config/wheel_data_tables.h"
#include "core/wheels/wheel_modes.h"
#include "ui/message_boxes.h"

namespace helion::ui {

class NatalInputWindow;
class DiurnalInputWindow;
class DataWindow;

struct Session {
    AppState state;
    std::unique_ptr<Ephemeris> ephemeris;
    MessageBoxes* messages = nullptr;
    const WheelDataTables* wheelTables = nullptr;  // read at start-up
    WheelModeState wheelMode;

    NatalInputWindow* natalInput = nullptr;
    DiurnalInputWindow* diurnalInput = nullptr;
    DataWindow* dataWindow = nullptr;

    // Set by the main window: called after every successful chart computation (the Data,
    // Wheels and Input menus become visible).
    std::function<void()> onChartsComputed;
};

}  // namespace helion::ui
