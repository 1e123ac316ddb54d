#pragma once
// The plain-text editor windows (options, orb, names and city files) load a whole file
// into one text box, each line followed by CR LF, and save the box back.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/base/message.h"

namespace helion {

struct EditorLoad {
    std::string text;
    std::optional<Message> error;  // the file cannot be read or is not text
};

EditorLoad loadEditorText(const std::filesystem::path& file);

// The file content for an editor's text: every line break becomes CR LF (a text box
// may hand back LF alone), the final break that loading added is dropped and the
// write ends the last line with CR LF again. Loading then saving an unchanged CR LF
// file gives the same bytes; a last line without a break gains one. A text that does
// not end in a break keeps all its characters.
std::string editorTextForFile(std::string_view text);

// Replaces the file atomically; a message when it cannot be written.
std::optional<Message> saveEditorText(const std::filesystem::path& file, std::string_view text);

}  // namespace helion
