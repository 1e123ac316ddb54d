#pragma once
// The main window's menu bar: every menu and item with its object name and caption.
// The Data and Wheels menus and the Input item stay hidden until the first chart is computed.

#include <array>
#include <string_view>
#include <vector>

#include "core/astro/house_system.h"
#include "core/wheels/wheel_modes.h"

class QAction;
class QMainWindow;
class QMenu;

namespace helion::ui {

struct HouseItem {
    HouseSystem system;
    QAction* action;
};

struct WheelItem {
    WheelCommand command;
    QAction* action;
};

struct HelpItem {
    std::string_view fileName;
    QAction* action;
};

struct MainMenus {
    QAction* exit = nullptr;
    QAction* inputData = nullptr;
    std::array<HouseItem, kHouseSystemCount> houses{};
    QMenu* data = nullptr;
    QAction* summary = nullptr;
    QAction* natalData = nullptr;
    QAction* progressions = nullptr;
    QAction* minorProgressions = nullptr;
    QAction* transits = nullptr;
    QAction* cosmodynes = nullptr;
    QAction* timeline = nullptr;
    QMenu* wheels = nullptr;
    std::vector<WheelItem> wheelItems;
    QAction* options = nullptr;
    std::vector<HelpItem> help;
    QAction* about = nullptr;
};

MainMenus buildMainMenus(QMainWindow& window);

}  // namespace helion::ui
