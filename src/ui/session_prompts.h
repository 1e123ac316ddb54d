#pragma once
// The file choice and the typed answer that windows ask of the user: the session's
// stand-ins when a test set them, otherwise the file-select window and an input box.

#include <QString>

#include <filesystem>
#include <optional>
#include <string>

#include "core/base/message.h"

class QWidget;

namespace helion::ui {

struct Session;

// A file of the pattern, starting in the program folder with `current` selected;
// nothing when cancelled. `caption`, when given, says what the file is for.
std::optional<std::filesystem::path> chooseFile(Session& session, const QString& pattern,
                                                const std::filesystem::path& current, QWidget* parent,
                                                const QString& caption = {});

// A line typed into an input box captioned and prompted by `prompt`; nothing when cancelled.
std::optional<std::string> askText(Session& session, const Message& prompt, QWidget* parent);

}  // namespace helion::ui
