#include "ui/unsaved_changes.h"

#include <QApplication>
#include <QWidget>

namespace helion::ui {
namespace {

constexpr const char* kEditorProperty = "helionEditor";

}  // namespace

bool settleUnsavedChanges(MessageBoxes& messages, const std::string& caption, bool modified,
                          const std::function<bool()>& save) {
    if (!modified) return true;
    switch (messages.askYesNoCancel({caption, kSaveChangesText})) {
        case Answer::Yes: return save();
        case Answer::No: return true;
        case Answer::Cancel: break;
    }
    return false;
}

void markAsEditor(QWidget& editor) { editor.setProperty(kEditorProperty, true); }

bool closeEditorsBeforeExit() {
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->property(kEditorProperty).toBool() && window->isVisible() && !window->close()) return false;
    return true;
}

}  // namespace helion::ui
