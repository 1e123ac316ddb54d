#include "ui/main_window_link.h"

#include <QAction>
#include <QApplication>
#include <QWidget>

namespace helion::ui {

QWidget* mainWindow() {
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == kMainWindowName) return window;
    return nullptr;
}

void activateMainWindow() {
    QWidget* window = mainWindow();
    if (!window) return;
    window->raise();
    window->activateWindow();
}

namespace {

// The object name of the main window's item for a menu command.
QString objectNameOf(MenuCommand command) {
    switch (command) {
        case MenuCommand::DataSummary: return "mnuDataSummary";
        case MenuCommand::DataProgressions: return "mnuDataProgressions";
        case MenuCommand::DataSolarArc: return "mnuDataSolarArc";
        case MenuCommand::DataTransits: return "mnuDataTransits";
        case MenuCommand::WheelsNatalAndProgressed: return "mnuWheelsDualNatProg";
        case MenuCommand::WheelsNatalAndSolarArc: return "mnuWheelsDualNatSA";
        case MenuCommand::WheelsNatalAndTransits: return "mnuWheelsDualNatTran";
    }
    return {};
}

}  // namespace

void applyMenuSwitches(std::span<const MenuItemSwitch> switches) {
    QWidget* window = mainWindow();
    if (!window) return;
    for (const MenuItemSwitch& item : switches) {
        QAction* action = window->findChild<QAction*>(objectNameOf(item.command));
        if (!action) continue;
        if (item.enabled) action->setEnabled(*item.enabled);
        if (item.caption)
            action->setText(QString::fromUtf8(item.caption->data(), static_cast<qsizetype>(item.caption->size())));
    }
}

}  // namespace helion::ui
