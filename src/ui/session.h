#pragma once
// One run of the desktop program: the application state, the ephemeris, the message
// boxes and the windows that commands reach across. The main window creates it at
// start-up and every window receives it.

#include <QString>

#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "core/app/app_state.h"
#include "core/astro/ephemeris.h"
#include "core/config/wheel_data_tables.h"
#include "core/wheels/wheel_modes.h"
#include "message_boxes/message_boxes.h"
#include "ui/window_registry.h"

namespace helion::ui {

// The Names window's list between its openings.
struct NamesListState {
    bool locked = false;  // "Lock list": the locked entry is selected again when the list is filled
    int lockedIndex = 0;
    bool changed = false;  // a person was saved since the list was last taken from
};

struct Session {
    AppState state;
    std::unique_ptr<Ephemeris> ephemeris;
    MessageBoxes* messages = nullptr;
    // Universal Time now; the input windows' Now fills read it. Replaced by tests.
    std::function<std::chrono::sys_seconds()> universalClock = [] {
        return std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now());
    };
    const WheelDataTables* wheelTables = nullptr;  // read at start-up
    WheelModeState wheelMode;

    // The Names, Cities and Time Zone windows are made when first opened, as children of
    // the natal input window.
    WindowRegistry windows;

    NamesListState namesList;
    // The input window the Time Zone window writes into.
    bool timeZoneForDiurnal = false;

    // The file-select window and the atlas folder prompt; tests answer in their place.
    // Unset, the real windows are shown.
    std::function<std::optional<std::filesystem::path>(const QString& pattern, const std::filesystem::path& current)>
        chooseFile;
    std::function<std::optional<std::string>(const Message& prompt)> askText;

    // Set by the main window: called after every successful chart computation (the Data,
    // Wheels and Input menus become visible).
    std::function<void()> onChartsComputed;
};

}  // namespace helion::ui
