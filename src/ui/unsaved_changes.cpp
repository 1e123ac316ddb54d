#include "ui/unsaved_changes.h"

namespace helion::ui {

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

}  // namespace helion::ui
