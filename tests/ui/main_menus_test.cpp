#include "ui/main_menus.h"

#include <gtest/gtest.h>

#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace helion::test {
namespace {

// Every menu with its items, as object name and caption.
std::vector<std::pair<QString, QString>> menuTable(QMenuBar* bar) {
    std::vector<std::pair<QString, QString>> table;
    for (QAction* title : bar->actions()) {
        table.emplace_back(title->objectName(), title->text());
        if (title->menu())
            for (QAction* item : title->menu()->actions()) table.emplace_back(item->objectName(), item->text());
    }
    return table;
}

TEST(MainMenus, MenuTableInOrderWithNamesAndCaptions) {
    QMainWindow window;
    ui::buildMainMenus(window);
    const std::vector<std::pair<QString, QString>> expected{
        {"mnuFile", "&File"},
        {"mnuFileExit", "E&xit"},
        {"mnuInputData", "&Input"},
        {"mnuHouseSystem", "Hou&ses"},
        {"mnuHousePlacidus", "&Placidus"},
        {"mnuHouseRegiomontanus", "&Regiomontanus"},
        {"mnuHouseKoch", "&Koch"},
        {"mnuHousePorphyry", "P&orphyry"},
        {"mnuHouseMeridian", "&Meridian"},
        {"mnuData", "&Data"},
        {"mnuDataSummary", "&Summary"},
        {"mnuDataNatalData", "&Natal Data"},
        {"mnuDataProgressions", "Major Pro&gressions Data"},
        {"mnuDataSolarArc", "Minor Progressions Data"},
        {"mnuDataTransits", "&Transits"},
        {"mnuCosmodynes", "Cosmodynes"},
        {"mnuOptions", "&Options"},
        {"mnuHelp", "&Help"},
        {"mnuMainMenuHelp", "&Helion Window"},
        {"mnuHelpInputD", "Natal &Input Data Window"},
        {"mnuHelpInputD1", "&Diurnal Input Data Window"},
        {"mnuHelpOptions", "&Options Window"},
        {"mnuHelpOutputD1", "Da&ta Window"},
        {"mnuHelpSelect", "&Select A File Window"},
        {"mnuHelpPrntfile", "&File To Print  Window"},
        {"mnuHelpHints", "Hints"},
        {"mnuHelpUpgrades", "Up&grades"},
        {"mnuShortcutKeys", "Shortcut &keys"},
        {"mnuHelpLicense", "&License Agreement"},
        {"mnuPhilosophyHelp", "Philosophy"},
        {"mnuHelpRevisions", "Re&vision history"},
        {"mnuHelpAbout", "Abo&ut"},
    };
    EXPECT_EQ(menuTable(window.menuBar()), expected);
}

TEST(MainMenus, DataAndInputHiddenAndHouseSystemsExclusive) {
    QMainWindow window;
    const ui::MainMenus menus = ui::buildMainMenus(window);
    EXPECT_FALSE(menus.data->menuAction()->isVisible());
    EXPECT_FALSE(menus.inputData->isVisible());
    EXPECT_TRUE(window.findChild<QAction*>("mnuDataTransits"));  // the diurnal window switches it by name

    menus.houses[2].action->trigger();
    menus.houses[4].action->trigger();
    EXPECT_FALSE(menus.houses[2].action->isChecked());
    EXPECT_TRUE(menus.houses[4].action->isChecked());
    EXPECT_EQ(menus.houses[4].system, HouseSystem::Meridian);
}

}  // namespace
}  // namespace helion::test
