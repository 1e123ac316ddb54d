#include "ui/main_menus.h"

#include <QActionGroup>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenuBar>

namespace helion::ui {
namespace {

struct HelpEntry {
    const char* name;
    const char* caption;
    std::string_view fileName;
};

// The help texts of the windows this program has, in menu order.
constexpr HelpEntry kHelpEntries[] = {
    {"mnuMainMenuHelp", "&Helion Window", "Helion.HLP"},
    {"mnuHelpInputD", "Natal &Input Data Window", "INPUTD.HLP"},
    {"mnuHelpInputD1", "&Diurnal Input Data Window", "INPUTD1.HLP"},
    {"mnuHelpNames", "&Names Window", "NAMES.HLP"},
    {"mnuHelpCities", "Cities &Window", "GEOGRAPH.HLP"},
    {"mnuHelpOptions", "&Options Window", "OPTIONS.HLP"},
    {"mnuHelpOutputD1", "Da&ta Window", "OUTPUTD1.HLP"},
    {"mnuHelpWheels", "&Chartwheels Window", "WHEELS.HLP"},
    {"mnuHelpNameedit", "&Edit A Name File Window", "NAMEEDIT.HLP"},
    {"mnuHelpLongLat", "Edit A Cit&y File Window", "LONGLAT.HLP"},
    {"mnuHelpSelect", "&Select A File Window", "SELECT.HLP"},
    {"mnuHelpPrntfile", "&File To Print  Window", "PRNTFILE.HLP"},
    {"mnuHelpHints", "Hints", "HINTS.HLP"},
    {"mnuHelpUpgrades", "Up&grades", "UPGRADES.HLP"},
    {"mnuShortcutKeys", "Shortcut &keys", "SHORTCUT.HLP"},
    {"mnuHelpLicense", "&License Agreement", "LICENSE.HLP"},
    {"mnuPhilosophyHelp", "Philosophy", "PHILO.HLP"},
    {"mnuHelpRevisions", "Re&vision history", "REVISION.HLP"},
};

struct HouseEntry {
    const char* name;
    const char* caption;
    HouseSystem system;
};

constexpr HouseEntry kHouseEntries[] = {
    {"mnuHousePlacidus", "&Placidus", HouseSystem::Placidus},
    {"mnuHouseRegiomontanus", "&Regiomontanus", HouseSystem::Regiomontanus},
    {"mnuHouseKoch", "&Koch", HouseSystem::Koch},
    {"mnuHousePorphyry", "P&orphyry", HouseSystem::Porphyry},
    {"mnuHouseMeridian", "&Meridian", HouseSystem::Meridian},
    {"mnuHouseEqual", "&Equal", HouseSystem::Equal},
    {"mnuHouseWholeSign", "&Whole Sign", HouseSystem::WholeSign},
    {"mnuHouseCampanus", "&Campanus", HouseSystem::Campanus},
    {"mnuHouseAlcabitius", "&Alcabitius", HouseSystem::Alcabitius},
    {"mnuHouseTopocentric", "&Topocentric", HouseSystem::Topocentric},
};
static_assert(std::size(kHouseEntries) == kHouseSystemCount);

QMenu* addMenu(QMenuBar* bar, const char* name, const char* caption) {
    QMenu* menu = bar->addMenu(QString::fromUtf8(caption));
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(name);
    return menu;
}

// An item of a menu, or of the menu bar itself.
template <typename Container>
QAction* addItem(Container* container, const char* name, const char* caption) {
    QAction* action = container->addAction(QString::fromUtf8(caption));
    action->setObjectName(name);
    return action;
}

}  // namespace

MainMenus buildMainMenus(QMainWindow& window) {
    MainMenus menus;
    QMenuBar* bar = window.menuBar();

    menus.exit = addItem(addMenu(bar, "mnuFile", "&File"), "mnuFileExit", "E&xit");
    menus.inputData = addItem(bar, "mnuInputData", "&Input");
    menus.inputData->setVisible(false);

    QMenu* houses = addMenu(bar, "mnuHouseSystem", "Hou&ses");
    auto* houseGroup = new QActionGroup(houses);
    for (std::size_t i = 0; i < menus.houses.size(); ++i) {
        QAction* item = addItem(houses, kHouseEntries[i].name, kHouseEntries[i].caption);
        item->setCheckable(true);
        houseGroup->addAction(item);
        menus.houses[i] = {kHouseEntries[i].system, item};
    }

    menus.data = addMenu(bar, "mnuData", "&Data");
    menus.summary = addItem(menus.data, "mnuDataSummary", "&Summary");
    menus.natalData = addItem(menus.data, "mnuDataNatalData", "&Natal Data");
    menus.progressions = addItem(menus.data, "mnuDataProgressions", "Major Pro&gressions Data");
    menus.minorProgressions = addItem(menus.data, "mnuDataSolarArc", "Minor Progressions Data");
    menus.transits = addItem(menus.data, "mnuDataTransits", "&Transits");
    menus.cosmodynes = addItem(menus.data, "mnuCosmodynes", "Cosmodynes");
    menus.timeline = addItem(menus.data, "mnuDataTimeline", "&Timeline...");
    menus.timeline->setShortcut(QKeySequence(Qt::Key_F6));
    menus.data->menuAction()->setVisible(false);

    menus.wheels = addMenu(bar, "mnuWheels", "&Wheels");
    for (const WheelMenuEntry& entry : kWheelMenu) {
        const std::string name(entry.objectName), caption(entry.caption);
        menus.wheelItems.push_back({entry.command, addItem(menus.wheels, name.c_str(), caption.c_str())});
    }
    menus.wheels->menuAction()->setVisible(false);

    menus.options = addItem(bar, "mnuOptions", "&Options");

    QMenu* help = addMenu(bar, "mnuHelp", "&Help");
    for (const HelpEntry& entry : kHelpEntries)
        menus.help.push_back({entry.fileName, addItem(help, entry.name, entry.caption)});
    menus.about = addItem(help, "mnuHelpAbout", "Abo&ut");
    return menus;
}

}  // namespace helion::ui
