#pragma once
// One run of the desktop program: the application state, the ephemeris, the message
// boxes and the windows that commands reach across. The main window creates it at
// start-up and every window receives it.

#include <functional>
#include <memory>

#include "core/app/app_state.h"
#include "core/astro/ephemeris.h"
#include "ui/message_boxes.h"

namespace helion::ui {

class InputD;
class InputD1;
class OutputD1;

struct Session {
    AppState state;
    std::unique_ptr<Ephemeris> ephemeris;
    MessageBoxes* messages = nullptr;

    InputD* natalInput = nullptr;
    InputD1* diurnalInput = nullptr;
    OutputD1* dataWindow = nullptr;

    // Set by the main window: called after every successful chart computation (the Data,
    // Wheels and Input menus become visible).
    std::function<void()> onChartsComputed;
};

}  // namespace helion::ui
