#include "core/config/options_editor.h"

#include <string>

#include "core/base/text_file.h"
#include "core/config/editor_text.h"

namespace helion {

OptionsLoad saveOptionsText(const std::filesystem::path& programFolder, std::string_view editorText,
                            const OptionValues& previous) {
    const auto file = programFolder / kOptionsFile;
    if (auto failure = saveEditorText(file, editorText)) return OptionsLoad{{{*failure}, {}, 0}, previous};
    return loadOptions(file, previous);
}

std::optional<Message> restoreDefaultOptions(const std::filesystem::path& programFolder) {
    const auto master = programFolder / kOptionsMasterFile;
    const auto content = readTextFile(master);
    if (!content || !looksLikeText(*content))
        return errorMessage("The master options file " + master.string() +
                            " cannot be read, so the default options cannot be restored. " + std::string(kOptionsFile) +
                            " is left as it was.");
    const FileWrite written = writeFileAtomically(programFolder / kOptionsFile, *content);
    if (!written)
        return failedWriteMessage(written, "The file " + (programFolder / kOptionsFile).string() +
                                               cannotBeWritten(written) + " It is left as it was.");
    return std::nullopt;
}

}  // namespace helion
