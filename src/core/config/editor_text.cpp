#include "core/config/editor_text.h"

#include "core/base/text_file.h"

namespace helion {

EditorLoad loadEditorText(const std::filesystem::path& file) {
    EditorLoad load;
    const auto content = readTextFile(file);
    if (!content) {
        load.error = errorMessage("The file " + file.string() + " cannot be read.");
        return load;
    }
    if (!looksLikeText(*content)) {
        load.error = errorMessage("The file " + file.string() + " is not a text file.");
        return load;
    }
    for (const auto line : splitLines(*content)) {
        load.text += line;
        load.text += kLineBreak;
    }
    return load;
}

std::string editorTextForFile(std::string_view text) {
    const auto lines = splitLines(text);
    std::string content;
    for (const auto line : lines) {
        content += line;
        content += kLineBreak;
    }
    return content;
}

std::optional<Message> saveEditorText(const std::filesystem::path& file, std::string_view text) {
    const FileWrite written = writeFileAtomically(file, editorTextForFile(text));
    if (written) return std::nullopt;
    return failedWriteMessage(written,
                              "The file " + file.string() + cannotBeWritten(written) + " It is left as it was.");
}

}  // namespace helion
