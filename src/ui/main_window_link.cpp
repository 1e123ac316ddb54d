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

void applyMenuSwitches(std::span<const MenuItemSwitch> switches) {
    QWidget* window = mainWindow();
    if (!window) return;
    for (const MenuItemSwitch& item : switches) {
        QAction* action = window->findChild<QAction*>(QString::fromUtf8(item.objectName.data(),
                                                                    static_cast<qsizetype>(item.objectName.size())));
        if (!action) continue;
        if (item.enabled) action->setEnabled(*item.enabled);
        if (item.caption)
            action->setText(QString::fromUtf8(item.caption->data(), static_cast<qsizetype>(item.caption->size())));
    }
}

}  // namespace helion::ui
