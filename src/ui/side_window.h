#pragma once
// The Names, Cities and Time Zone windows are made when first opened, as children of the
// natal input window, placed beside the diurnal input window; every opening reads their
// file afresh. The Names and Cities windows change and edit their file alike.

#include "ui/diurnal_input_window.h"
#include "ui/file_editor_window.h"
#include "ui/list_window_parts.h"
#include "ui/natal_input_window.h"
#include "ui/session.h"
#include "ui/session_prompts.h"

namespace helion::ui {

template <typename Window>
Window& openSideWindow(Session& session) {
    Window* window = session.windows.find<Window>();
    if (!window) {
        window = new Window(session, session.windows.find<NatalInputWindow>());
        session.windows.add(window);
        if (auto* diurnal = session.windows.find<DiurnalInputWindow>()) placeBeside(*window, *diurnal);
    }
    window->fillList();
    window->show();
    window->raise();
    return *window;
}

// "Change List": the file the user chooses becomes the one `setting` names; false when
// the choice is cancelled.
inline bool changeListFile(Session& session, QWidget& window, const QString& pattern, std::string& setting,
                           const std::filesystem::path& current) {
    const auto chosen = chooseFile(session, pattern, current, &window);
    if (chosen) setting = chosen->string();
    return chosen.has_value();
}

// "Edit this List": the file in an editor window; the list is read again after each save.
template <typename Window>
void editListFile(Session& session, Window& window, const char* editorName, const std::filesystem::path& file) {
    auto* editor = new FileEditorWindow(session, editorName, file, &window);
    editor->onSaved = [&window] { window.fillList(); };
    editor->show();
}

}  // namespace helion::ui
