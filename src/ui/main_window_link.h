#pragma once
// The other windows reach the main window by its object name: to bring it to the front
// and to switch its menu items.

#include <span>

#include "core/input/input_window_logic.h"

class QWidget;

namespace helion::ui {

inline constexpr const char* kMainWindowName = "Helion";

// The main window, or nothing before it exists.
QWidget* mainWindow();
void activateMainWindow();

// Enables and renames the main window's items named in the switches; items the menus
// lack are skipped.
void applyMenuSwitches(std::span<const MenuItemSwitch> switches);

}  // namespace helion::ui
