#pragma once
// Where the save dialog and the file-select window open for the running program, and the
// program folder one click away beside it.

#include <filesystem>

class QFileDialog;

namespace helion::ui {

// The user's documents folder when the program folder is the per-user data folder,
// otherwise the program folder.
std::filesystem::path fileDialogStartFolder(const std::filesystem::path& programFolder);

// Adds the program folder to the dialog's sidebar of places.
void addProgramFolderPlace(QFileDialog& dialog, const std::filesystem::path& programFolder);

}  // namespace helion::ui
