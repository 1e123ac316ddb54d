#pragma once
// The Names, Cities and Time Zone windows are made when first opened, as children of the
// natal input window, placed beside the diurnal input window; every opening reads their
// file afresh.

#include "ui/diurnal_input_window.h"
#include "ui/list_window_parts.h"
#include "ui/natal_input_window.h"
#include "ui/session.h"

namespace helion::ui {

template <typename Window>
Window& openSideWindow(Session& session, Window*& window) {
    if (!window) {
        window = new Window(session, session.natalInput);
        if (session.diurnalInput) placeBeside(*window, *session.diurnalInput);
    }
    window->fillList();
    window->show();
    window->raise();
    return *window;
}

}  // namespace helion::ui
