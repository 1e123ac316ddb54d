#pragma once
// The question an editor window asks before its unsaved text is lost: "Save changes?"
// with Yes, No and Cancel. The options, names, city and orb editors share it.

#include <functional>
#include <string>

#include "message_boxes/message_boxes.h"

class QWidget;

namespace helion::ui {

inline constexpr const char* kSaveChangesText = "Save changes?";

// Asks when the text is modified. Yes runs `save` and lets the editor close only when it
// succeeded; No lets it close unsaved; Cancel keeps it open. True when it may close.
bool settleUnsavedChanges(MessageBoxes& messages, const std::string& caption, bool modified,
                          const std::function<bool()>& save);

// Editor windows mark themselves so that exiting the program first closes each open one,
// which asks about its unsaved text.
void markAsEditor(QWidget& editor);

// Closes every open editor window; false when one stays open (its user chose Cancel).
bool closeEditorsBeforeExit();

}  // namespace helion::ui
