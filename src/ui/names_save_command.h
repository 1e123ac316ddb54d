#pragma once
// "Save to disk": the natal window's person into a names file the user chooses.

#include <filesystem>
#include <optional>

#include "core/input/chart_input.h"

class QWidget;

namespace helion::ui {

struct Session;

// Refuses a name with a comma; asks before replacing a person of the same name; refuses
// a file with a broken record; replaces the file in one step and keeps the old one as
// NAMES.OLD; an open Names window shows the new list at once. Any failure is shown and
// leaves the file as it was. The file saved into, or nothing.
std::optional<std::filesystem::path> saveToNamesFile(Session& session, const InputWindowTexts& texts, QWidget* parent);

}  // namespace helion::ui
