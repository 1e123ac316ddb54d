#pragma once
// The text box of the plain-text editor windows (options, names, cities and orb files).

#include <filesystem>

class QPlainTextEdit;
class QPushButton;

namespace helion::ui {

class MessageBoxes;

// Loads the file into the box, one line per line. A file that cannot be read is reported
// and disables Save, so the empty box never replaces it.
void loadIntoEditorBox(const std::filesystem::path& file, QPlainTextEdit& box, QPushButton& save,
                       MessageBoxes& messages);

}  // namespace helion::ui
