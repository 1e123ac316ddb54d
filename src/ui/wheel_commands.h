#pragma once
// The main window's seven wheel commands and the wheel window's Switch: arrange the
// charts on the rings, make the command's orb file current and show the wheel.

#include "core/wheels/wheel_modes.h"

namespace helion::ui {

struct Session;
class WheelWindow;

// The diurnal input window's second-person box is checked.
bool secondPersonSet(const Session& session);

// Runs a command and shows its wheel in `window`, freshly loaded.
void showWheelCommand(Session& session, WheelWindow& window, WheelCommand command);

// Exchanges the two charts of the transit or second-person wheel.
WheelArrangement switchedTransitWheel(Session& session);

}  // namespace helion::ui
